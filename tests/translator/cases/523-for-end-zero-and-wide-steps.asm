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
        MOVF S , W
        BTFSC Reg_Status , Flag_Z
        GOTO @8
        RLF S , W
        BTFSC Reg_Status , Flag_C
        GOTO @8
        MOVF S , W
        ADDWF I , F
        BTFSC Reg_Status , Flag_C
        GOTO @2
        MOVF I , W
        BTFSS Reg_Status , Flag_Z
        GOTO @7
        GOTO @1
@7:     GOTO @2
@8:     MOVF S , W
        ADDWF I , F
        BTFSS Reg_Status , Flag_C
        GOTO @2
        GOTO @1
@2:     CLRF I
@3:     INCF N , F
        MOVLW 0xC8
        ADDWF I , F
        BTFSC Reg_Status , Flag_C
        GOTO @4
        MOVF K , W
        SUBWF I , W
        BTFSC Reg_Status , Flag_Z
        GOTO @11
        BTFSC Reg_Status , Flag_C
        GOTO @4
@11:    GOTO @3
@4:     MOVLW 0x01
        ADDWF J , W
        MOVWF I
@5:     INCF N , F
        MOVLW 0x81
        ADDWF I , F
        BTFSS Reg_Status , Flag_C
        GOTO @6
        MOVLW 0xFF
        SUBWF I , W
        BTFSC Reg_Status , Flag_Z
        GOTO @13
        BTFSS Reg_Status , Flag_C
        GOTO @6
@13:    GOTO @5
@6:     SLEEP
        GOTO $-1
        END

