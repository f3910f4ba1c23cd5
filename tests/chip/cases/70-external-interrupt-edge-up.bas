' The external interrupt comes on the edge of B0 that the program chose:
' three pulses, the run stopped after the third rise and before its fall.
' CYCLES 3200
' PULSES B0 1000 1000 400 3
'
' EXPECT E = 3
DIM E AS BYTE
ON EXTERNAL INTERRUPT CALL EST
SET EXTERNAL INTERRUPT EDGE UP
GIRO:
GOTO GIRO
END
SUB EST
E = E + 1
END SUB
