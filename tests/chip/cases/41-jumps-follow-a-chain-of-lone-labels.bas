' PRIMO and SECONDO lead to a GOTO TERZO, and TERZO is itself alone before
' QUARTO: a jump to PRIMO must end at QUARTO's code, past the assignment of
' 9. The loop through INIZIO and ANCORA counts N to 10 and takes the GOTO
' INIZIO once, at N = 3.
' CYCLES 5000
' EXPECT X = 5
' EXPECT N = 10
' EXPECT K = 1
DIM X, N, K AS BYTE
GOTO PRIMO
X = 1
PRIMO:
SECONDO:
GOTO TERZO
X = 9
TERZO:
QUARTO:
X = 5
N = 0
K = 0
INIZIO:
ANCORA:
N = N + 1
IF N = 3 THEN
K = K + 1
GOTO INIZIO
END IF
IF N < 10 THEN
GOTO ANCORA
END IF
END
