        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;BYTE(1-Byte)
Y       EQU 0x0D    ;BYTE(1-Byte)
FL      EQU 0x0E    ;SINGLE(4-Byte)
W#VLTx  EQU 0x12    ;BYTE(1-Byte)
        ORG 0
        CLRF X
        MOVLW 0xFF
        MOVWF X
        CLRF X
        MOVLW 0xFF
        MOVWF Y
        MOVLW 0x05
        MOVWF FL
        MOVF Y , W
        MOVWF X
        MOVF Y , W
        MOVWF X
        Movf Reg_Tmr0 , W
        Movwf X
        Movf Reg_Tmr0 , W
        Movwf Y
        CLRF X
        BTFSC Reg_Status , Flag_C
        INCF X , F
        MOVLW 0
        BTFSC Reg_Status , Flag_Z
        MOVLW 0x01
        MOVWF Y
        SLEEP
        GOTO $-1
        END

