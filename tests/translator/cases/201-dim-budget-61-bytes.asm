        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
T       EQU 0x0C    ;BYTE(60-Byte)
X       EQU 0x48    ;BYTE(1-Byte)
W#VLTx  EQU 0x49    ;BYTE(1-Byte)
        ORG 0
        SLEEP
        GOTO $-1
        END

