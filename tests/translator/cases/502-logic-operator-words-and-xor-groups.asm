        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
VALORE    EQU 0x0C    ;BYTE(1-Byte)
CONTATORE EQU 0x0D    ;BYTE(1-Byte)
SENSORE   EQU 0x0E    ;BYTE(1-Byte)
MOTORE    EQU 0x0F    ;BYTE(1-Byte)
LED       EQU 0x10    ;BYTE(1-Byte)
W#D1      EQU 0x11    ;BYTE(1-Byte)
W#VLTx    EQU 0x12    ;BYTE(1-Byte)
        ORG 0
        MOVF SENSORE , W
        ANDWF MOTORE , W
        MOVWF VALORE
        MOVF VALORE , W
        IORWF MOTORE , W
        MOVWF CONTATORE
        MOVLW 0x01
        ANDWF SENSORE , W
        MOVWF W#D1
        MOVF W#D1 , W
        IORWF CONTATORE , W
        MOVWF LED
        MOVLW 0x0F
        XORWF SENSORE , W
        MOVWF W#D1
        COMF W#D1 , W
        MOVWF MOTORE
        MOVLW 0x01
        XORWF LED , W
        MOVWF W#D1
        MOVLW 0x03
        ANDWF W#D1 , W
        MOVWF LED
        SLEEP
        GOTO $-1
        END

