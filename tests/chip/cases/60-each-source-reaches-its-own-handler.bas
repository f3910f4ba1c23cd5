' Ten rising edges on B0 and eight pulses (sixteen changes) on B4 while the
' timer overflows every 256 cycles or so: every counter counts its own source
' only.
' CYCLES 20000
' PULSES B0 1000 1800 300 10
' PULSES B4 1500 2000 700 8
' EXPECT E = 10            ' rising edges of B0
' EXPECT L = 16            ' changes of B4, both ways
' EXPECT T >= 60           ' an overflow every 256 counts plus the time the
' EXPECT T <= 78           ' entry takes: 20000 / 330 to 20000 / 256
DIM T AS BYTE
DIM E AS BYTE
DIM L AS BYTE
ON TIMER INTERRUPT CALL TICK
ON EXTERNAL INTERRUPT CALL EST
ON LINE INTERRUPT CALL LIN
SET TIMER RATE TO 0
GIRO:
GOTO GIRO
END
SUB TICK
T = T + 1
END SUB
SUB EST
E = E + 1
END SUB
SUB LIN
L = L + 1
END SUB
