' WRITE with interrupts off and then on (GIE set by inline assembly), the
' bytes read back with READ into Rn for address n; G copies INTCON after the
' second WRITE.
' CYCLES 100000
' EXPECT R5 = 12
' EXPECT R6 = 34
' EXPECT R7 = 79                ' "O"
' EXPECT R8 = 107               ' "k"
' EXPECT R9 = &H77              ' X
' EXPECT R16 = 72               ' "H"
' EXPECT R17 = 105              ' "i"
' EXPECT R18 = &HA5
' EXPECT G AND &H80 = &H80        ' the write switched interrupts back on
DIM X AS BYTE
DIM G AS BYTE
DIM R5 AS BYTE
DIM R6 AS BYTE
DIM R7 AS BYTE
DIM R8 AS BYTE
DIM R9 AS BYTE
DIM R16 AS BYTE
DIM R17 AS BYTE
DIM R18 AS BYTE
X = &H77
WRITE 12, 34, "Ok", X, 5
ASM(BSF &H0B , 7)
WRITE "Hi", &HA5, 16
ASM(MOVF &H0B , W)
ASM(MOVWF G)
R5 = READ(5)
R6 = READ(6)
R7 = READ(7)
R8 = READ(8)
R9 = READ(9)
R16 = READ(16)
R17 = READ(17)
R18 = READ(18)
END
