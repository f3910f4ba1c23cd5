        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;BYTE(1-Byte)
Y       EQU 0x0D    ;BYTE(1-Byte)
Z       EQU 0x0E    ;BYTE(1-Byte)
W#D1    EQU 0x0F    ;BYTE(1-Byte)
W#VLTx  EQU 0x10    ;BYTE(1-Byte)
        ORG 0
        MOVLW 0x0F
        ANDWF Y , W
        MOVWF X
        MOVLW 0x0F
        ANDWF Y , W
        MOVWF X
        MOVF Y , W
        IORWF Z , W
        MOVWF X
        MOVF Y , W
        XORWF Z , W
        MOVWF X
        MOVLW 0x03
        MOVWF X
        MOVLW 0x05
        XORWF X , F
        MOVLW 0
        ANDWF Y , W
        MOVWF X
        MOVLW 0x00
        ANDWF Y , W
        MOVWF X
        COMF X , F
        MOVF Y , W
        MOVWF W#D1
        COMF W#D1 , W
        MOVWF X
        MOVLW 0x05
        MOVWF W#D1
        COMF W#D1 , W
        MOVWF X
        SLEEP
        GOTO $-1
        END

