' The same for the external interrupt, whose entry comes before the line
' interrupt's: after SET EXTERNAL INTERRUPT OFF at the third edge of B0 the
' next seven edges still raise its flag, and every change of B4 passes it.
' CYCLES 20000
' PULSES B0 1000 1800 300 10
' PULSES B4 1750 1000 500 18
' EXPECT E = 3
' EXPECT L = 36            ' every change of B4
DIM E AS BYTE
DIM L AS BYTE
ON EXTERNAL INTERRUPT CALL EST
ON LINE INTERRUPT CALL LIN
ATTESA:
IF E < 3 THEN GOTO ATTESA
SET EXTERNAL INTERRUPT OFF
GIRO:
GOTO GIRO
END
SUB EST
E = E + 1
END SUB
SUB LIN
L = L + 1
END SUB
