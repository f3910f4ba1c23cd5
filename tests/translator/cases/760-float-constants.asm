        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;SINGLE(4-Byte)
Z       EQU 0x10    ;FLOAT(4-Byte)
W#VLTx  EQU 0x14    ;BYTE(1-Byte)
        ORG 0
        MOVLW 0x80
        MOVWF X+0
        MOVLW 0x30
        MOVWF X+1
        MOVLW 0x00
        MOVWF X+2
        MOVLW 0x00
        MOVWF X+3
        MOVLW 0x7F
        MOVWF X+0
        MOVLW 0xC0
        MOVWF X+1
        MOVLW 0x00
        MOVWF X+2
        MOVLW 0x00
        MOVWF X+3
        MOVLW 0x7F
        MOVWF X+0
        MOVLW 0x40
        MOVWF X+1
        MOVLW 0x00
        MOVWF X+2
        MOVLW 0x00
        MOVWF X+3
        MOVLW 0x80
        MOVWF Z+0
        MOVLW 0x48
        MOVWF Z+1
        MOVLW 0xF5
        MOVWF Z+2
        MOVLW 0xC3
        MOVWF Z+3
        MOVLW 0x7B
        MOVWF Z+0
        MOVLW 0x4C
        MOVWF Z+1
        MOVLW 0xCC
        MOVWF Z+2
        MOVLW 0xC0
        MOVWF Z+3
        MOVLW 0x86
        MOVWF Z+0
        MOVLW 0x7F
        MOVWF Z+1
        MOVLW 0xFD
        MOVWF Z+2
        MOVLW 0x71
        MOVWF Z+3
        MOVLW 0x7E
        MOVWF Z+0
        MOVLW 0x80
        MOVWF Z+1
        MOVLW 0x00
        MOVWF Z+2
        MOVLW 0x00
        MOVWF Z+3
        SLEEP
        GOTO $-1
        END

