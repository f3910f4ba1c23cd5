' On waking, the chip runs the word after SLEEP before the interrupt: a NOP
' after STOP, but none before END (END IF between them places a label).
DIM X AS BYTE
STOP
X = 1
IF X = 1 THEN
STOP
END IF
END
