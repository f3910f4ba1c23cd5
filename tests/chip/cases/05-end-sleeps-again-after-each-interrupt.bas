' END puts the chip to sleep, but an enabled interrupt still wakes it: five
' rising edges on B0 after END run the handler five times, and the main
' program does not start again.
' CYCLES 8000
' PULSES B0 1000 1000 400 5
' EXPECT N = 5
' EXPECT M = 1
DIM N AS BYTE
DIM M AS BYTE
ON EXTERNAL INTERRUPT CALL CONTA
M = M + 1
END
SUB CONTA
N = N + 1
END SUB
