' The main program sits in bank 1, where it cleared TRISB, and keeps copying
' TRISB (to TRB) and OPTION (to OPZ). The handler writes T to port B and
' reads it back (to VISTO); the timer restarts from R = 156, so a tick comes
' every 100 counts plus the time the entry takes before the reload. Written
' in bank 1, the reload would land in OPTION and T in TRISB; a bank not given
' back at the end would have the main program copy port B and TMR0.
' CYCLES 20000
' EXPECT T >= 142          ' 20000 / 140
' EXPECT T <= 181          ' 20000 / 110
' EXPECT VISTO <= T        ' the run may stop between the two copies
' EXPECT VISTO >= T - 1
' EXPECT TRB = &H00        ' TRISB
' EXPECT OPZ = &HDF        ' OPTION: no prescaler, internal clock
DIM T AS BYTE
DIM R AS BYTE
DIM VISTO AS BYTE
DIM TRB AS BYTE
DIM OPZ AS BYTE
R = 156
SET INIT TIMER TO R
ON TIMER INTERRUPT CALL TICK
SET TIMER RATE TO 0
ASM(BSF &H03 , 5)
ASM(CLRF &H06)
GIRO:
ASM(MOVF &H06 , 0)
ASM(MOVWF &H0F)
ASM(MOVF &H01 , 0)
ASM(MOVWF &H10)
GOTO GIRO
END
SUB TICK
T = T + 1
ASM(MOVF &H0C , 0)
ASM(MOVWF &H06)
ASM(MOVF &H06 , 0)
ASM(MOVWF &H0E)
END SUB
