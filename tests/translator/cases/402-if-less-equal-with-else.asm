        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;BYTE(1-Byte)
A       EQU 0x0D    ;BYTE(1-Byte)
W#VLTx  EQU 0x0E    ;BYTE(1-Byte)
        ORG 0
        MOVLW 0x05
        SUBWF X , W
        BTFSC Reg_Status , Flag_Z
        GOTO @3
        BTFSC Reg_Status , Flag_C
        GOTO @1
@3:     MOVLW 0x01
        MOVWF A
        GOTO @2
@1:     MOVLW 0x02
        MOVWF A
@2:     SLEEP
        GOTO $-1
        END

