        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;BYTE(1-Byte)
W#VLTx  EQU 0x0D    ;BYTE(1-Byte)
        ORG 0
        MOVLW 0x64
        MOVWF X
        SLEEP
        GOTO $-1
        END

