        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
A       EQU 0x0C    ;BYTE(1-Byte)
X       EQU 0x0D    ;BYTE(1-Byte)
T       EQU 0x0E    ;INTEGER(20-Byte)
V       EQU 0x22    ;BYTE(4-Byte)
C       EQU 0x26    ;BYTE(1-Byte)
Q       EQU 0x27    ;WORD(2-Byte)
L       EQU 0x29    ;LONG(8-Byte)
W#VLTx  EQU 0x31    ;BYTE(1-Byte)
        ORG 0
        SLEEP
        GOTO $-1
        END

