' SET TIMER RATE TO 0 gives the prescaler back to the watchdog. After a rate
' of 1:2 or 1:4 it passes through 1:128 on the way and then takes the rate
' the timer had: OPTION ends with the prescaler on the watchdog (bit 3) and
' the rate bits as they were, the other bits as the start-up left them
' (&HD0: edge and source bits of the timer handler's set-up). In between,
' the timer counts every cycle and its handler keeps running.
' CYCLES 12000
' EXPECT O1 = &HD8         ' after 1:2 (bits 000)
' EXPECT O2 = &HD9         ' after 1:4 (bits 001)
' EXPECT O3 = &HDF         ' after 1:256 (bits 111)
' EXPECT T >= 10
DIM T AS BYTE
DIM O1 AS BYTE
DIM O2 AS BYTE
DIM O3 AS BYTE
ON TIMER INTERRUPT CALL TICK
SET TIMER RATE TO 1/2
SET TIMER RATE TO 0
ASM{
BSF Reg_Status , Bit_5
MOVF Reg_Option , W
BCF Reg_Status2 , Bit_5
MOVWF O1
}
WAIT 255
SET TIMER RATE TO 1/4
SET TIMER RATE TO 0
ASM{
BSF Reg_Status , Bit_5
MOVF Reg_Option , W
BCF Reg_Status2 , Bit_5
MOVWF O2
}
WAIT 255
SET TIMER RATE TO 1/256
SET TIMER RATE TO 0
ASM{
BSF Reg_Status , Bit_5
MOVF Reg_Option , W
BCF Reg_Status2 , Bit_5
MOVWF O3
}
GIRO:
GOTO GIRO
END
SUB TICK
T = T + 1
END SUB
