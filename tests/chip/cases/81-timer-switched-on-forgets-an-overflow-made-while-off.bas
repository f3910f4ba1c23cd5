' The same for the timer: without prescaler it overflows every 256 cycles,
' also while its interrupt is switched off. SET TIMER ON clears the flag
' first, so the routine is not called at once; TMR0 is cleared just before,
' so that no new overflow comes before T1 is read.
' CYCLES 6000
' EXPECT T0 = 0            ' off: no tick in two WAIT 255
' EXPECT T1 = 0            ' right after SET TIMER ON: the overflows while off are not seen
' EXPECT T >= 5            ' the overflows after it
DIM T AS BYTE
DIM T0 AS BYTE
DIM T1 AS BYTE
ON TIMER INTERRUPT CALL TICK
SET TIMER RATE TO 0
SET TIMER OFF
T = 0
WAIT 255
WAIT 255
T0 = T
ASM(CLRF Reg_Tmr0)
SET TIMER ON
T1 = T
GIRO:
GOTO GIRO
END
SUB TICK
T = T + 1
END SUB
