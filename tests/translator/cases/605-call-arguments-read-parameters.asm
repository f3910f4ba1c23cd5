        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
AA      EQU 0x0C    ;BYTE(1-Byte)
BB      EQU 0x0D    ;BYTE(1-Byte)
CC      EQU 0x0E    ;BYTE(1-Byte)
W#1     EQU 0x0F    ;BYTE(1-Byte)
W#2     EQU 0x10    ;BYTE(1-Byte)
W#3     EQU 0x11    ;BYTE(1-Byte)
W#VLTx  EQU 0x12    ;BYTE(1-Byte)
        ORG 0
        MOVF AA , W
        MOVWF W#1
        MOVF BB , W
        MOVWF AA
        MOVF W#1 , W
        MOVWF BB
        CALL M2
        MOVLW 0x01
        ADDWF AA , W
        MOVWF W#2
        MOVF AA , W
        MOVWF W#3
        MOVF CC , W
        MOVWF AA
        MOVF W#2 , W
        MOVWF CC
        MOVF W#3 , W
        MOVWF BB
        CALL N3
        MOVF AA , W
        MOVWF AA
        MOVF BB , W
        MOVWF BB
        CALL M2
        SLEEP
        GOTO $-1
M2:     MOVF AA , W
        MOVWF CC
        RETURN
N3:     RETURN
        END

