' And for the lines B4-B7: a change of B4 while the line interrupt is off is
' not seen when SET LINE INTERRUPT ON switches it on again (port B is read,
' then the flag cleared). The two changes after that call the routine twice.
' CYCLES 8000
' PIN B4 0 1000 1 5000 0 5500 1
' EXPECT L0 = 0            ' before SET LINE INTERRUPT ON
' EXPECT L1 = 0            ' right after it: the change at cycle 1000 is not seen
' EXPECT L = 2             ' the changes at cycles 5000 and 5500
DIM L AS BYTE
DIM L0 AS BYTE
DIM L1 AS BYTE
ON LINE INTERRUPT CALL LIN
SET LINE INTERRUPT OFF
L = 0
WAIT 255
WAIT 255
L0 = L
SET LINE INTERRUPT ON
L1 = L
GIRO:
GOTO GIRO
END
SUB LIN
L = L + 1
END SUB
