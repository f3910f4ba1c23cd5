' CYCLES 5000
' EXPECT REG(&H20) = 10
' EXPECT REG(&H21) = 1     ' the program stays at its end: the line after the loop ran once
ASM(CLRF &H20)
ASM(CLRF &H21)
ANCORA:
ASM(INCF &H20 , 1)
ASM(MOVF &H20 , 0)
ASM(XORLW &H0A)
ASM(BTFSS &H03 , 2)
GOTO ANCORA
ASM(INCF &H21 , 1)
END
