        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
AA      EQU 0x0C    ;BYTE(1-Byte)
BB      EQU 0x0D    ;BYTE(1-Byte)
CC      EQU 0x0E    ;BYTE(1-Byte)
DD      EQU 0x0F    ;BYTE(1-Byte)
EE      EQU 0x10    ;BYTE(1-Byte)
W#D1    EQU 0x11    ;BYTE(1-Byte)
W#D2    EQU 0x12    ;BYTE(1-Byte)
W#VLTx  EQU 0x13    ;BYTE(1-Byte)
        ORG 0
        MOVF BB , W
        ANDWF CC , W
        MOVWF W#D1
        MOVF W#D1 , W
        IORWF DD , W
        MOVWF AA
        MOVF DD , W
        IORWF EE , W
        MOVWF W#D1
        MOVF BB , W
        IORWF CC , W
        MOVWF W#D2
        MOVF W#D2 , W
        ANDWF W#D1 , W
        MOVWF AA
        MOVF BB , W
        ANDWF CC , W
        MOVWF W#D1
        MOVF W#D1 , W
        IORWF DD , W
        MOVWF W#D2
        MOVF W#D2 , W
        ANDWF EE , W
        MOVWF AA
        MOVF BB , W
        ANDWF CC , W
        MOVWF W#D1
        COMF W#D1 , W
        MOVWF AA
        COMF AA , F
        COMF AA , F
        MOVF BB , W
        MOVWF W#D1
        COMF W#D1 , W
        MOVWF AA
        MOVF AA , W
        ANDWF BB , W
        MOVWF W#D1
        MOVF W#D1 , W
        SUBLW 0x01
        BTFSS Reg_Status , Flag_Z
        GOTO @1
        MOVLW 0x01
        MOVWF CC
@1:     SLEEP
        GOTO $-1
        END

