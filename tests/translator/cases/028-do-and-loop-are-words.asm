        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
DOSE    EQU 0x0C    ;BYTE(1-Byte)
LOOPS   EQU 0x0D    ;BYTE(1-Byte)
W#VLTx  EQU 0x0E    ;BYTE(1-Byte)
        ORG 0
        MOVLW 0x01
        MOVWF DOSE
        MOVLW 0x02
        MOVWF LOOPS
        SLEEP
        GOTO $-1
        END

