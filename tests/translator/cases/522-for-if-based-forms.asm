        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
I       EQU 0x0C    ;BYTE(1-Byte)
J       EQU 0x0D    ;BYTE(1-Byte)
K       EQU 0x0E    ;BYTE(1-Byte)
S       EQU 0x0F    ;BYTE(1-Byte)
N       EQU 0x10    ;BYTE(1-Byte)
W#VLTx  EQU 0x11    ;BYTE(1-Byte)
        ORG 0
        MOVF J , W
        MOVWF I
@1:     INCF N , F
        MOVLW 0x01
        ADDWF I , F
        BTFSC Reg_Status , Flag_C
        GOTO @2
        MOVF K , W
        SUBWF I , W
        BTFSC Reg_Status , Flag_Z
        GOTO @8
        BTFSC Reg_Status , Flag_C
        GOTO @2
@8:     GOTO @1
@2:     MOVF J , W
        MOVWF I
@3:     INCF N , F
        MOVLW 0xFE
        ADDWF I , F
        BTFSS Reg_Status , Flag_C
        GOTO @4
        MOVF K , W
        SUBWF I , W
        BTFSC Reg_Status , Flag_Z
        GOTO @10
        BTFSS Reg_Status , Flag_C
        GOTO @4
@10:    GOTO @3
@4:     MOVLW 0x01
        MOVWF I
@5:     INCF K , F
        MOVF S , W
        BTFSC Reg_Status , Flag_Z
        GOTO @15
        RLF S , W
        BTFSC Reg_Status , Flag_C
        GOTO @15
        MOVF S , W
        ADDWF I , F
        BTFSC Reg_Status , Flag_C
        GOTO @6
        MOVF N , W
        SUBWF I , W
        BTFSC Reg_Status , Flag_Z
        GOTO @12
        BTFSC Reg_Status , Flag_C
        GOTO @11
@12:    GOTO @5
@11:    GOTO @6
@15:    MOVF S , W
        ADDWF I , F
        BTFSS Reg_Status , Flag_C
        GOTO @6
        MOVF N , W
        SUBWF I , W
        BTFSC Reg_Status , Flag_Z
        GOTO @14
        BTFSS Reg_Status , Flag_C
        GOTO @6
@14:    GOTO @5
@6:     SLEEP
        GOTO $-1
        END

