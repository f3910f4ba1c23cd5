        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
I       EQU 0x0C    ;BYTE(1-Byte)
N       EQU 0x0D    ;BYTE(1-Byte)
W#VLTx  EQU 0x0E    ;BYTE(1-Byte)
        ORG 0
        MOVLW 0
        MOVWF I
@1:     INCF N , F
        MOVLW 0x01
        ADDWF I , F
        BTFSC Reg_Status , Flag_C  ;Overflow?
        GOTO @2
        MOVLW 0xFF
        SUBWF I , W
        BTFSC Reg_Status , Flag_Z
        GOTO @1
        BTFSS Reg_Status , Flag_C
        GOTO @1
@2:     MOVLW 0x0A
        MOVWF I
@3:     INCF N , F
        MOVLW 0xFE
        ADDWF I , F
        BTFSS Reg_Status , Flag_C
        GOTO @4
        MOVLW 0
        SUBWF I , W
        BTFSC Reg_Status , Flag_Z
        GOTO @3
        BTFSC Reg_Status , Flag_C
        GOTO @3
@4:     MOVLW 0x01
        MOVWF I
@5:     INCF N , F
        MOVLW 0x03
        ADDWF I , F
        BTFSC Reg_Status , Flag_C  ;Overflow?
        GOTO @6
        MOVLW 0xC8
        SUBWF I , W
        BTFSC Reg_Status , Flag_Z
        GOTO @5
        BTFSS Reg_Status , Flag_C
        GOTO @5
@6:     SLEEP
        GOTO $-1
        END

