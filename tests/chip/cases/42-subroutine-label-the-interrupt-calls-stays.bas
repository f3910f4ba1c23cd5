' The body of TICK starts with a loop, so its label stands alone before the
' loop's label: the program's CALL moves on to that label, while the timer
' interrupt still calls TICK. K counts the calls, N ends each one at 5.
' CYCLES 200000
' EXPECT N = 5
' EXPECT K >= 2            ' the CALL, then at least one interrupt
DIM N AS BYTE
DIM K AS BYTE
ON TIMER INTERRUPT CALL TICK
CALL TICK
FINE:
GOTO FINE
END
SUB TICK
DO
N = N + 1
LOOP UNTIL N = 5
K = K + 1
END SUB
