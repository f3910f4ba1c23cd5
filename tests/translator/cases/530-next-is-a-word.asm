        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
I       EQU 0x0C    ;BYTE(1-Byte)
NEXTO   EQU 0x0D    ;BYTE(1-Byte)
W#VLTx  EQU 0x0E    ;BYTE(1-Byte)
        ORG 0
        MOVLW 0x01
        MOVWF I
@1:     MOVLW 0x02
        ADDWF NEXTO , F
        MOVLW 0x01
        ADDWF I , F
        BTFSC Reg_Status , Flag_C  ;Overflow?
        GOTO @2
        MOVLW 0x03
        SUBWF I , W
        BTFSC Reg_Status , Flag_Z
        GOTO @1
        BTFSS Reg_Status , Flag_C
        GOTO @1
@2:     SLEEP
        GOTO $-1
        END

