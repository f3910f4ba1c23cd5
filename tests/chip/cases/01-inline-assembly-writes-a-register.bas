' Inline assembly is upper-cased like the rest of the program, so it names
' registers by address.
' CYCLES 1000
' EXPECT REG(&H20) = &H2A
ASM(MOVLW &H2A)
ASM(MOVWF &H20)
END
