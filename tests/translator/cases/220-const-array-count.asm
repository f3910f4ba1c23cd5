        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
T       EQU 0x0C    ;BYTE(4-Byte)
W#VLTx  EQU 0x10    ;BYTE(1-Byte)
        ORG 0
        SLEEP
        GOTO $-1
        END

