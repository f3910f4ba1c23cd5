' STOP sleeps until an interrupt; on waking the chip runs the word after the
' SLEEP before it enters the interrupt, so that word must not be the next
' statement's: the line after STOP reads N only once the handler has added
' 5 to it. The second edge comes while the program waits at its end.
' CYCLES 6000
' PIN B0 0 2000 1 2100 0 4000 1 4100 0
' EXPECT X = 5
' EXPECT N = 10
DIM N AS BYTE
DIM X AS BYTE
ON EXTERNAL INTERRUPT CALL H
N = 0
STOP
X = N
GIRO:
GOTO GIRO
END
SUB H
N = N + 5
END SUB
