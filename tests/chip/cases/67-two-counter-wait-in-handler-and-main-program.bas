' A two-counter WAIT inside the timer handler and another in the main
' program: the handler's WAIT leaves W#VLTx and W#VLTy at 0, and the entry
' must give both back. The handler measures its own WAIT 2,3 on TMR0 (33
' cycles plus the 2 of the reads, in D); the main program counts its
' WAIT 10,20 loops (841 cycles each plus 3 for the count and the GOTO) in N.
' A tick comes every 256 counts plus the time from the overflow to the
' reload, about 60 cycles, of which the main program gets about 245: in
' 30000 cycles about 23000 are the main program's, 27 loops. A W#VLTy left
' at 0 makes a loop last 255 outer passes longer, and N stays near 0.
' CYCLES 30000
' EXPECT T >= 90           ' 30000 / 330
' EXPECT T <= 100          ' 30000 / 300
' EXPECT D = 35            ' 4 * 2 * (3 + 1) + 1, plus 2
' EXPECT N >= 24
' EXPECT N <= 35           ' 30000 / 844
DIM T AS BYTE
DIM N AS BYTE
DIM S AS BYTE
DIM E AS BYTE
DIM D AS BYTE
ON TIMER INTERRUPT CALL TICK
SET TIMER RATE TO 0
GIRO:
WAIT 10, 20
N = N + 1
GOTO GIRO
END
SUB TICK
T = T + 1
S = RND
WAIT 2, 3
E = RND
D = E - S
END SUB
