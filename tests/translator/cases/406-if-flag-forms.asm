        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
A       EQU 0x0C    ;BYTE(1-Byte)
W#VLTx  EQU 0x0D    ;BYTE(1-Byte)
        ORG 0
        BTFSC Reg_Status , Flag_C
        GOTO @1
        MOVLW 0x01
        MOVWF A
@1:     BTFSC Reg_Status , Flag_C
        GOTO @2
        MOVLW 0x02
        MOVWF A
@2:     BTFSS Reg_Status , Flag_C
        GOTO @3
        MOVLW 0x03
        MOVWF A
@3:     BTFSC Reg_Status , Flag_Z
        GOTO @4
        MOVLW 0x04
        MOVWF A
@4:     BTFSS Reg_Status , Flag_Z
        GOTO @5
        MOVLW 0x05
        MOVWF A
@5:     SLEEP
        GOTO $-1
        END

