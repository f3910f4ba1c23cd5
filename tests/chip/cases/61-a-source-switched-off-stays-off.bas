' Flags keep being raised while a source is switched off; an interrupt of
' another source must not run its handler. The timer handler switches itself
' off at its fifth tick; the main program switches the line interrupt off
' after the fourth external interrupt and notes L then, in L1. The entries
' of the sources switched off come first in the dispatcher, so every
' external interrupt passes them with their flags raised.
' CYCLES 20000
' PULSES B0 1000 1800 300 10
' PULSES B4 1750 1000 500 18
' EXPECT T = 5             ' off since its fifth tick
' EXPECT E = 10            ' every edge, also after the others went off
' EXPECT L1 = 10           ' the changes of B4 up to cycle 6400
' EXPECT L = L1            ' no change counted after that
DIM T AS BYTE
DIM E AS BYTE
DIM L AS BYTE
DIM L1 AS BYTE
ON TIMER INTERRUPT CALL TICK
ON LINE INTERRUPT CALL LIN
ON EXTERNAL INTERRUPT CALL EST
SET TIMER RATE TO 0
ATTESA:
IF E < 4 THEN GOTO ATTESA
SET LINE INTERRUPT OFF
L1 = L
GIRO:
GOTO GIRO
END
SUB TICK
T = T + 1
IF T = 5 THEN SET TIMER OFF
END SUB
SUB EST
E = E + 1
END SUB
SUB LIN
L = L + 1
END SUB
