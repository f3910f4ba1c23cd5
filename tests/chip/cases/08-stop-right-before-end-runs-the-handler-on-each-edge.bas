' STOP right before END: the word after STOP's SLEEP is END's own SLEEP.
' Each edge wakes the chip, the handler runs once, and the chip sleeps again.
' CYCLES 8000
' PULSES B0 1000 1500 300 4
' EXPECT N = 20
DIM N AS BYTE
ON EXTERNAL INTERRUPT CALL H
N = 0
STOP
END
SUB H
N = N + 5
END SUB
