' The main program sits in RECONFIG, in bank 1 for most of its cycles, and
' the timer handler writes T to port B and reads it back into V. Run in bank
' 1, the reload of 156 would land in OPTION (the timer then overflows every
' 256 counts) and port B's value in TRISB. The main program also copies
' OPTION to OPZ.
' CYCLES 20000
' EXPECT T >= 133          ' a tick every 100 counts plus the 40 or so
' EXPECT T <= 181          ' cycles before the reload: 20000 / 150 to 20000 / 110
' EXPECT V <= T            ' the run may stop between T and V
' EXPECT V >= T - 1
' EXPECT OPZ = &HDF        ' OPTION: no prescaler, internal clock
DIM T AS BYTE
DIM V AS BYTE
DIM OPZ AS BYTE
CONFIG B AS OUTPUT
SET INIT TIMER TO 156
ON TIMER INTERRUPT CALL TICK
SET TIMER RATE TO 0
GIRO:
RECONFIG B AS OUTPUT
RECONFIG A0 AS INPUT
RECONFIG A, B7 AS OUTPUT
ASM(BSF 3 , 5)
ASM(MOVF &H81 , W)
ASM(BCF 3 , 5)
ASM(MOVWF OPZ)
GOTO GIRO
END
SUB TICK
T = T + 1
OUTPUT B, T
V = INPUT(B)
END SUB
