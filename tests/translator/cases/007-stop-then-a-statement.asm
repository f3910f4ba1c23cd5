        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;BYTE(1-Byte)
W#VLTx  EQU 0x0D    ;BYTE(1-Byte)
        ORG 0
        SLEEP
        NOP
        MOVLW 0x01
        MOVWF X
        MOVF X , W
        SUBLW 0x01
        BTFSS Reg_Status , Flag_Z
        GOTO @1
        SLEEP
@1:     SLEEP
        GOTO $-1
        END

