' A statement that complements its own target, and a parenthesised test in
' an IF condition.
' CYCLES 2000
' EXPECT VA = 165          ' NOT(90)
' EXPECT R0 = 1            ' (165 AND 60) is 36
' EXPECT R1 = 2
DIM VA AS BYTE
DIM VB AS BYTE
DIM R0 AS BYTE
DIM R1 AS BYTE
VA = 90
VA = NOT(VA)
VB = 60
IF (VA AND VB) = 36 THEN
R0 = 1
ELSE
R0 = 2
END IF
IF (VA OR VB) = 0 THEN
R1 = 1
ELSE
R1 = 2
END IF
END
