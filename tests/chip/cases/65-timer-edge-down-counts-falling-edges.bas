' The timer counts the edges of A4, three rising and two falling ones; the
' program copies TMR0 to 0x20.
' CYCLES 5000
' PIN A4 0 1000 1 1400 0 2000 1 2400 0 3000 1
'
' EXPECT REG(&H20) = 2
SET TIMER RATE TO 0
SET EXTERNAL CLOCK
SET TIMER EDGE DOWN
GIRO:
ASM(MOVF &H01 , 0)
ASM(MOVWF &H20)
GOTO GIRO
END
