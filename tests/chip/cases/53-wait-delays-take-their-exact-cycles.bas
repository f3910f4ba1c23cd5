' TMR0 counts every instruction cycle (internal clock, no prescaler, set in
' OPTION at 0x81). "Sn = RND" and "En = RND" read it around each WAIT;
' between the two reads lie the store of the first (1 cycle), the read
' itself (1 cycle) and the delay.
' CYCLES 5000
' EXPECT E0 - S0 = 3            ' WAIT, plus 2
' EXPECT E1 - S1 = 3            ' WAIT 1, plus 2
' EXPECT E2 - S2 = 4            ' WAIT 2, plus 2
' EXPECT E3 - S3 = 5            ' WAIT 3, plus 2
' EXPECT E4 - S4 = 6            ' WAIT 4, plus 2
' EXPECT E5 - S5 = 7            ' WAIT 5, plus 2
' EXPECT E6 - S6 = 27           ' WAIT 6: 4 * 6 + 1, plus 2
' EXPECT E7 - S7 = 243          ' WAIT 60: 4 * 60 + 1, plus 2
' EXPECT E8 - S8 = 43           ' WAIT X with X = 10: 4 * 10 + 1, plus 2
' EXPECT E9 - S9 = 35           ' WAIT 2, 3: 4 * 2 * (3 + 1) + 1, plus 2
' EXPECT E10 - S10 = 223        ' WAIT 5, 10: 4 * 5 * (10 + 1) + 1, plus 2
' EXPECT E11 - S11 = 63         ' WAIT 3, Y with Y = 4: 4 * 3 * (4 + 1) + 1, plus 2
' EXPECT E12 - S12 = 203        ' WAIT X, 4 with X = 10: 4 * 10 * (4 + 1) + 1, plus 2
DIM X AS BYTE
DIM Y AS BYTE
DIM E0 AS BYTE
DIM S0 AS BYTE
DIM E1 AS BYTE
DIM S1 AS BYTE
DIM E2 AS BYTE
DIM S2 AS BYTE
DIM E3 AS BYTE
DIM S3 AS BYTE
DIM E4 AS BYTE
DIM S4 AS BYTE
DIM E5 AS BYTE
DIM S5 AS BYTE
DIM E6 AS BYTE
DIM S6 AS BYTE
DIM E7 AS BYTE
DIM S7 AS BYTE
DIM E8 AS BYTE
DIM S8 AS BYTE
DIM E9 AS BYTE
DIM S9 AS BYTE
DIM E10 AS BYTE
DIM S10 AS BYTE
DIM E11 AS BYTE
DIM S11 AS BYTE
DIM E12 AS BYTE
DIM S12 AS BYTE
ASM(BSF 3 , 5)
ASM(MOVLW &H88)
ASM(MOVWF 1)
ASM(BCF 3 , 5)
X = 10
Y = 4
S0 = RND
WAIT
E0 = RND
S1 = RND
WAIT 1
E1 = RND
S2 = RND
WAIT 2
E2 = RND
S3 = RND
WAIT 3
E3 = RND
S4 = RND
WAIT 4
E4 = RND
S5 = RND
WAIT 5
E5 = RND
S6 = RND
WAIT 6
E6 = RND
S7 = RND
WAIT 60
E7 = RND
S8 = RND
WAIT X
E8 = RND
S9 = RND
WAIT 2, 3
E9 = RND
S10 = RND
WAIT 5, 10
E10 = RND
S11 = RND
WAIT 3, Y
E11 = RND
S12 = RND
WAIT X, 4
E12 = RND
END
