        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
W#VLTx  EQU 0x0C    ;BYTE(1-Byte)
        ORG 0
        BSF Reg_Status , Bit_5
        MOVF Reg_TrisB , W
        IORLW 0x08
        MOVWF Reg_TrisB
        BCF Reg_Status2 , Bit_5
        BSF Reg_Status , Bit_5
        MOVF Reg_TrisB , W
        ANDLW 0xF7
        MOVWF Reg_TrisB
        BCF Reg_Status2 , Bit_5
        BSF Reg_Status , Bit_5
        MOVF Reg_TrisA , W
        ANDLW 0xFE
        MOVWF Reg_TrisA
        BCF Reg_Status2 , Bit_5
        BSF Reg_Status , Bit_5
        MOVLW 0xff
        MOVWF Reg_TrisA
        BCF Reg_Status2 , Bit_5
        BSF Reg_Status , Bit_5
        MOVLW 0
        MOVWF Reg_TrisB
        BCF Reg_Status2 , Bit_5
        BSF Reg_Status , Bit_5
        MOVLW 0
        MOVWF Reg_TrisA
        MOVF Reg_TrisB , W
        ANDLW 0x7F
        MOVWF Reg_TrisB
        BCF Reg_Status2 , Bit_5
        BSF Reg_Status , Bit_5
        MOVLW 0xFF
        MOVWF Reg_TrisA
        MOVF Reg_TrisB , W
        IORLW 0x02
        MOVWF Reg_TrisB
        MOVF Reg_TrisB , W
        IORLW 0x80
        MOVWF Reg_TrisB
        BCF Reg_Status2 , Bit_5
        BSF Reg_Status , Bit_5
        MOVF Reg_TrisB , W
        IORLW 0x01
        MOVWF Reg_TrisB
        MOVF Reg_TrisA , W
        IORLW 0x10
        MOVWF Reg_TrisA
        BCF Reg_Status2 , Bit_5
        SLEEP
        GOTO $-1
        END

