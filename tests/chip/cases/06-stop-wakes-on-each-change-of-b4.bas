' STOP sleeps until an interrupt: three pulses on B4 are six changes, each
' running the line handler, and after the first the program goes on past
' STOP.
' CYCLES 8000
' PULSES B4 1000 1000 400 3
' EXPECT N = 6
' EXPECT M = 2
DIM N AS BYTE
DIM M AS BYTE
ON LINE INTERRUPT CALL CONTA
M = 1
STOP
M = 2
GIRO:
GOTO GIRO
END
SUB CONTA
N = N + 1
END SUB
