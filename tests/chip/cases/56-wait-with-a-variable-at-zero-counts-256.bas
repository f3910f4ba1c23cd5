' A WAIT index held in a variable at 0 counts as 256: WAIT X with X = 0 is the
' longest single-index pause, 4 * 256 + 1 cycles, longer than WAIT 255
' (4 * 255 + 1); as the first of two indexes it gives 256 outer passes, as the
' second 256 inner ones. "Sn = RND" and "En = RND" read TMR0 around each
' pause, 2 cycles more than the pause. Each pause is timed twice: with TMR0
' at every cycle the difference is exact but taken modulo 256, with TMR0 at
' every 16th cycle (prescaler 1:16) it tells which multiple of 256 it is.
' CYCLES 30000
' EXPECT E0 - S0 = 3       ' WAIT X: 1027 = 4 * 256 + 3
' EXPECT E1 - S1 = 255     ' WAIT 255: 1023 = 3 * 256 + 255
' EXPECT E2 - S2 = 3       ' WAIT X, 1: 4 * 256 * 2 + 1 + 2 = 2051 = 8 * 256 + 3
' EXPECT E3 - S3 = 7       ' WAIT 1, Y: 4 * 257 + 1 + 2 = 1031 = 4 * 256 + 7
' EXPECT F0 - R0 >= 64     ' 1027 / 16 = 64.2
' EXPECT F0 - R0 <= 65
' EXPECT F1 - R1 >= 63     ' 1023 / 16 = 63.9
' EXPECT F1 - R1 <= 64
' EXPECT F2 - R2 >= 128    ' 2051 / 16 = 128.2
' EXPECT F2 - R2 <= 129
' EXPECT F3 - R3 >= 64     ' 1031 / 16 = 64.4
' EXPECT F3 - R3 <= 65
DIM X AS BYTE
DIM Y AS BYTE
DIM S0 AS BYTE
DIM E0 AS BYTE
DIM S1 AS BYTE
DIM E1 AS BYTE
DIM S2 AS BYTE
DIM E2 AS BYTE
DIM S3 AS BYTE
DIM E3 AS BYTE
DIM R0 AS BYTE
DIM F0 AS BYTE
DIM R1 AS BYTE
DIM F1 AS BYTE
DIM R2 AS BYTE
DIM F2 AS BYTE
DIM R3 AS BYTE
DIM F3 AS BYTE
ASM(BSF 3 , 5)
ASM(MOVLW &H88)
ASM(MOVWF 1)
ASM(BCF 3 , 5)
X = 0
Y = 0
S0 = RND
WAIT X
E0 = RND
S1 = RND
WAIT 255
E1 = RND
S2 = RND
WAIT X, 1
E2 = RND
S3 = RND
WAIT 1, Y
E3 = RND
ASM(BSF 3 , 5)
ASM(MOVLW &H83)
ASM(MOVWF 1)
ASM(BCF 3 , 5)
R0 = RND
WAIT X
F0 = RND
R1 = RND
WAIT 255
F1 = RND
R2 = RND
WAIT X, 1
F2 = RND
R3 = RND
WAIT 1, Y
F3 = RND
END
