' Sums and differences wrap within the byte; the carry and zero flags tell
' the borrow and the zero result.
' CYCLES 2000
' EXPECT NA = 201
' EXPECT NB = 99
' EXPECT R1 = 44           ' 200 + 100 wraps
' EXPECT R2 = 156          ' 100 - 200 borrows
' EXPECT R3 = 100
' EXPECT R4 = 66           ' 10 - 200
' EXPECT R5 = 4            ' 200 + 60
' EXPECT R6 = 255          ' 100 - 101
' EXPECT R7 = 254          ' 3 - 5, worked out by the translator
' EXPECT R8 = 144          ' 100 + 44
' EXPECT C1 = 0            ' a borrow clears the carry
' EXPECT C2 = 1
' EXPECT Z1 = 0            ' after a result other than zero
' EXPECT Z2 = 1            ' after a zero result
' EXPECT R9 = 0            ' a two-byte variable is used by its first byte
' EXPECT REG(&H1B) = 0     ' and its second byte (at 0x1B) is never touched
DIM NA AS BYTE
DIM NB AS BYTE
DIM R1 AS BYTE
DIM R2 AS BYTE
DIM R3 AS BYTE
DIM R4 AS BYTE
DIM R5 AS BYTE
DIM R6 AS BYTE
DIM R7 AS BYTE
DIM R8 AS BYTE
DIM C1 AS BYTE
DIM C2 AS BYTE
DIM Z1 AS BYTE
DIM Z2 AS BYTE
DIM R9 AS INTEGER
NA = 200
NB = 100
R1 = NA + NB
R2 = NB - NA
C1 = FLAG_CARRY
R3 = NA - NB
C2 = FLAG_CARRY
R4 = 10 - NA
R5 = NA + 60
R6 = NB - 101
R7 = 3 - 5
R8 = NB + 44
NA = NA + 1
NB = NB - 1
Z1 = FLAG_ZERO
R9 = 7
R9 = R9 + 1
R9 = NB - 99
Z2 = FLAG_ZERO
END
