' WAIT X, Y with both variables at 0 counts 256 by 256: 4 * 256 * 257 + 1 =
' 263169 cycles, 263 ms with a 4 MHz crystal, the longest pause of all.
' "S = RND" and "E = RND" read TMR0 around it, 2 cycles more than the pause:
' with TMR0 at every cycle the difference is 263171 modulo 256, with TMR0 at
' every 256th cycle (prescaler 1:256) it is 1028 modulo 256, give or take
' the one count the prescaler's phase may add.
' CYCLES 600000
' EXPECT E0 - S0 = 3       ' 263171 = 1028 * 256 + 3
' EXPECT F0 - R0 >= 4      ' 263171 / 256 = 1028.0, and 1028 = 4 * 256 + 4
' EXPECT F0 - R0 <= 5
DIM X AS BYTE
DIM Y AS BYTE
DIM S0 AS BYTE
DIM E0 AS BYTE
DIM R0 AS BYTE
DIM F0 AS BYTE
ASM(BSF 3 , 5)
ASM(MOVLW &H88)
ASM(MOVWF 1)
ASM(BCF 3 , 5)
X = 0
Y = 0
S0 = RND
WAIT X, Y
E0 = RND
ASM(BSF 3 , 5)
ASM(MOVLW &H87)
ASM(MOVWF 1)
ASM(BCF 3 , 5)
R0 = RND
WAIT X, Y
F0 = RND
END
