' WRITE and READ while the timer interrupts every 256 cycles or so; the main
' program reads the bytes back over and over, so that ticks land in the
' reading routine's bank-1 lines too. The handler's WAIT uses W#VLTx.
' CYCLES 100000
' EXPECT T = 200           ' ticks kept coming
' EXPECT N >= 10           ' the main program kept reading
' EXPECT R0 = 12
' EXPECT R1 = 34
' EXPECT R2 = 79           ' "O"
' EXPECT R3 = 107          ' "k"
' EXPECT R4 = &H77
DIM T AS BYTE
DIM X AS BYTE
DIM N AS BYTE
DIM R0 AS BYTE
DIM R1 AS BYTE
DIM R2 AS BYTE
DIM R3 AS BYTE
DIM R4 AS BYTE
ON TIMER INTERRUPT CALL TICK
SET TIMER RATE TO 0
X = &H77
WRITE 12, 34, "Ok", X, 5
GIRO:
R0 = READ(5)
R1 = READ(6)
R2 = READ(7)
R3 = READ(8)
R4 = READ(9)
N = N + 1
GOTO GIRO
END
SUB TICK
IF T < 200 THEN T = T + 1
WAIT 10
END SUB
