        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;BYTE(1-Byte)
Y       EQU 0x0D    ;BYTE(1-Byte)
I       EQU 0x0E    ;BYTE(1-Byte)
W#VLTx  EQU 0x0F    ;BYTE(1-Byte)
        ORG 0
        MOVLW 0x09
        SUBWF X , W
        BTFSC Reg_Status , Flag_Z
        GOTO @10
        BTFSC Reg_Status , Flag_C
        GOTO @10
        GOTO @2
@10:    MOVLW 0x14
        SUBWF X , W
        BTFSC Reg_Status , Flag_Z
        GOTO @11
        BTFSS Reg_Status , Flag_C
        GOTO @11
        GOTO @2
@11:    MOVLW 0x01
        MOVWF Y
        GOTO @1
@2:     MOVF X , W
        SUBLW 0x05
        BTFSS Reg_Status , Flag_Z
        GOTO @12
        GOTO @3
@12:    MOVF X , W
        SUBLW 0x07
        BTFSS Reg_Status , Flag_Z
        GOTO @13
@3:     MOVLW 0x01
        MOVWF I
@8:     GOTO @9
        MOVLW 0x01
        ADDWF I , F
        BTFSC Reg_Status , Flag_C  ;Overflow?
        GOTO @9
        MOVLW 0x03
        SUBWF I , W
        BTFSC Reg_Status , Flag_Z
        GOTO @8
        BTFSS Reg_Status , Flag_C
        GOTO @8
@9:     GOTO @1
        GOTO @1
@13:    MOVLW 0x64
        SUBWF X , W
        BTFSC Reg_Status , Flag_Z
        GOTO @14
        BTFSS Reg_Status , Flag_C
        GOTO @14
        MOVLW 0x03
        MOVWF Y
        GOTO @1
@14:    MOVLW 0x04
        MOVWF Y
@1:     MOVLW 0x09
        SUBWF Y , W
        BTFSC Reg_Status , Flag_Z
        GOTO @15
        BTFSC Reg_Status , Flag_C
        GOTO @15
        GOTO @5
@15:    MOVLW 0x14
        SUBWF Y , W
        BTFSC Reg_Status , Flag_Z
        GOTO @16
        BTFSS Reg_Status , Flag_C
        GOTO @16
        GOTO @5
@16:    CLRF Y
        GOTO @4
@5:     MOVLW 0x02
        MOVWF Y
@4:     MOVLW 0x01
        SUBWF I , W
        BTFSC Reg_Status , Flag_Z
        GOTO @17
        BTFSC Reg_Status , Flag_C
        GOTO @17
        GOTO @6
@17:    MOVLW 0x02
        SUBWF I , W
        BTFSC Reg_Status , Flag_Z
        GOTO @18
        BTFSS Reg_Status , Flag_C
        GOTO @18
        GOTO @6
@18:    MOVLW 0x05
        MOVWF Y
@6:     SLEEP
        GOTO $-1
        END

