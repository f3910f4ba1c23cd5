        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
CONTATORE_LUNGO EQU 0x0C    ;BYTE(1-Byte)
I               EQU 0x0D    ;BYTE(1-Byte)
W#VLTx          EQU 0x0E    ;BYTE(1-Byte)
        ORG 0
        SLEEP
        GOTO $-1
        END

