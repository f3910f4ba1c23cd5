' Without a timer handler the clock and rate statements leave the timer
' interrupt off: with the external handler's global enable the first
' overflow would otherwise hold the chip in the interrupt for good, and the
' main program would never see E reach 2.
' CYCLES 10000
' PULSES B0 1000 1000 300 3
' EXPECT E = 3
' EXPECT FATTO = 1
DIM E AS BYTE
DIM FATTO AS BYTE
ON EXTERNAL INTERRUPT CALL EST
SET INTERNAL CLOCK
SET TIMER RATE TO 0
ATTESA:
IF E < 2 THEN GOTO ATTESA
FATTO = 1
GIRO:
GOTO GIRO
END
SUB EST
E = E + 1
END SUB
