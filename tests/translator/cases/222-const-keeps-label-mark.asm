        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
W#VLTx  EQU 0x0C    ;BYTE(1-Byte)
        ORG 0
CICLO:  GOTO CICLO
        SLEEP
        GOTO $-1
        END

