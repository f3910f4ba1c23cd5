' A port-B handler that switches its own source off at its third call: the
' entry does not switch it back on, and later changes of B4 are not counted.
' CYCLES 10000
' PULSES B4 1000 1000 500 8
' EXPECT L = 3
DIM L AS BYTE
ON LINE INTERRUPT CALL LIN
GIRO:
GOTO GIRO
END
SUB LIN
L = L + 1
IF L = 3 THEN SET LINE INTERRUPT OFF
END SUB
