' The selector walks all 256 byte values. For every value the program counts
' which case of the first block ran (at 0x30 + case, the CASE ELSE being case
' 0), adds the value into that case's sum (at 0x38 + case, modulo 256) and
' counts the case of the second block (at 0x40 + case).
' CYCLES 300000
' EXPECT FINE = 170        ' the walk ended
' EXPECT REG(&H30) = 99    ' CASE ELSE: 101 to 199
' EXPECT REG(&H38) = 2     ' 14850 modulo 256
' EXPECT REG(&H31) = 10    ' 0 TO 9
' EXPECT REG(&H39) = 45
' EXPECT REG(&H32) = 3     ' 10, 20, 30
' EXPECT REG(&H3A) = 60
' EXPECT REG(&H33) = 37    ' IS < 50: 11 to 49 but 20 and 30
' EXPECT REG(&H3B) = 96    ' 1120 modulo 256
' EXPECT REG(&H34) = 50    ' 50 TO 99
' EXPECT REG(&H3C) = 141   ' 3725 modulo 256
' EXPECT REG(&H35) = 1     ' 100, whose BREAK skips the line after it
' EXPECT REG(&H3D) = 100
' EXPECT REG(&H36) = 56    ' IS >= 200
' EXPECT REG(&H3E) = 196   ' 12740 modulo 256
' EXPECT REG(&H37) = 0     ' every value reaches a case: CATEG = 7 never stays
' EXPECT REG(&H3F) = 0
' EXPECT REG(&H40) = 0     ' ALTRO is never 0
' EXPECT REG(&H41) = 201   ' 0 TO 200
' EXPECT REG(&H42) = 2     ' 250, 251
' EXPECT REG(&H43) = 53    ' the rest keep ALTRO = 3: no case of theirs, no CASE ELSE
DIM X AS BYTE
DIM CATEG AS BYTE
DIM ALTRO AS BYTE
DIM FINE AS BYTE
ASM(MOVLW &H30)
ASM(MOVWF &H04)
ASM(PULISCI: CLRF &H00)
ASM(INCF &H04 , F)
ASM(MOVF &H04 , W)
ASM(XORLW &H48)
ASM(BTFSS &H03 , 2)
ASM(GOTO PULISCI)
X = 0
ANCORA:
SELECT CASE X
CATEG = 7
CASE 0 TO 9
CATEG = 1
CASE 10, 20, 30
CATEG = 2
CASE IS < 50
CATEG = 3
CASE 50 TO 99
CATEG = 4
CASE 100
CATEG = 5
BREAK
CATEG = 0
CASE IS >= 200
CATEG = 6
CASE ELSE
CATEG = 0
END SELECT
SELECT CASE X
ALTRO = 3
CASE 0 TO 200
ALTRO = 1
CASE 250, 251
ALTRO = 2
END SELECT
ASM(MOVF CATEG , W)
ASM(ADDLW &H30)
ASM(MOVWF &H04)
ASM(INCF &H00 , F)
ASM(MOVLW &H08)
ASM(ADDWF &H04 , F)
ASM(MOVF X , W)
ASM(ADDWF &H00 , F)
ASM(MOVF ALTRO , W)
ASM(ADDLW &H40)
ASM(MOVWF &H04)
ASM(INCF &H00 , F)
X = X + 1
IF X <> 0 THEN
GOTO ANCORA
END IF
FINE = 170
END
