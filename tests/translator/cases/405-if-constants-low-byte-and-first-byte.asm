        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
N       EQU 0x0C    ;INTEGER(2-Byte)
A       EQU 0x0E    ;BYTE(1-Byte)
W#VLTx  EQU 0x0F    ;BYTE(1-Byte)
        ORG 0
        MOVLW 0x2C
        SUBWF N , W
        BTFSC Reg_Status , Flag_Z
        GOTO @1
        BTFSS Reg_Status , Flag_C
        GOTO @1
        MOVLW 0x01
        MOVWF A
@1:     MOVLW 0xFF
        SUBWF N , W
        BTFSC Reg_Status , Flag_Z
        GOTO @2
        BTFSC Reg_Status , Flag_C
        GOTO @2
        MOVLW 0x02
        MOVWF A
@2:     MOVF N , W
        SUBLW 0x02
        BTFSC Reg_Status , Flag_Z
        GOTO @3
        MOVLW 0x03
        MOVWF A
@3:     MOVLW 0x00
        SUBWF N , W
        BTFSC Reg_Status , Flag_Z
        GOTO @5
        BTFSS Reg_Status , Flag_C
        GOTO @4
@5:     MOVLW 0x04
        MOVWF A
@4:     SLEEP
        GOTO $-1
        END

