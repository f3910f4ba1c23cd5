        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
I       EQU 0x0C    ;BYTE(1-Byte)
J       EQU 0x0D    ;BYTE(1-Byte)
K       EQU 0x0E    ;BYTE(1-Byte)
N       EQU 0x0F    ;BYTE(1-Byte)
LOOPS   EQU 0x10    ;BYTE(1-Byte)
W#VLTx  EQU 0x11    ;BYTE(1-Byte)
        ORG 0
        MOVLW 0x01
        MOVWF I
@3:     MOVLW 0x01
        MOVWF J
@1:     MOVF N , W
        SUBLW 0x03
        BTFSS Reg_Status , Flag_Z
        GOTO @9
        GOTO @7
@9:     MOVLW 0x01
        ADDWF J , F
        BTFSC Reg_Status , Flag_C  ;Overflow?
        GOTO @7
        MOVLW 0x05
        SUBWF J , W
        BTFSC Reg_Status , Flag_Z
        GOTO @1
        BTFSS Reg_Status , Flag_C
        GOTO @1
@7:     INCF N , F
        MOVF N , W
        SUBLW 0x07
        BTFSS Reg_Status , Flag_Z
        GOTO @10
        GOTO @8
@10:    GOTO @7
@8:     MOVLW 0x02
        MOVWF LOOPS
        GOTO @4
        MOVLW 0x01
        ADDWF I , F
        BTFSC Reg_Status , Flag_C  ;Overflow?
        GOTO @4
        MOVLW 0x0A
        SUBWF I , W
        BTFSC Reg_Status , Flag_Z
        GOTO @3
        BTFSS Reg_Status , Flag_C
        GOTO @3
@4:     MOVF J , W
        MOVWF I
@5:     GOTO @6
        MOVLW 0
        ADDWF I , F
        MOVF K , W
        SUBWF I , W
        BTFSC Reg_Status , Flag_Z
        GOTO @12
        BTFSS Reg_Status , Flag_C
        GOTO @6
@12:    GOTO @5
@6:     SLEEP
        GOTO $-1
        END

