        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;BYTE(1-Byte)
Y       EQU 0x0D    ;BYTE(1-Byte)
W#VLTx  EQU 0x0E    ;BYTE(1-Byte)
        ORG 0
        MOVF Reg_PortB , W
        MOVWF X
        CLRF Y
        BTFSC Reg_PortA , Bit_3
        INCF Y , F
        SLEEP
        GOTO $-1
        END

