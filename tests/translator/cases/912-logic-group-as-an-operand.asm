        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;BYTE(1-Byte)
Y       EQU 0x0D    ;BYTE(1-Byte)
Z       EQU 0x0E    ;BYTE(1-Byte)
W#D1    EQU 0x0F    ;BYTE(1-Byte)
W#VLTx  EQU 0x10    ;BYTE(1-Byte)
        ORG 0
        MOVF Y , W
        ANDWF Z , W
        MOVWF W#D1
        MOVLW 0x01
        ADDWF W#D1 , W
        MOVWF X
        MOVF X , W
        IORWF Y , W
        MOVWF W#D1
        MOVF W#D1 , W
        SUBLW 0x01
        BTFSS Reg_Status , Flag_Z
        GOTO @1
        CLRF Z
@1:     SLEEP
        GOTO $-1
        END

