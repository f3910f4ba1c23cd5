        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;BYTE(1-Byte)
Y       EQU 0x0D    ;BYTE(1-Byte)
W#D1    EQU 0x0E    ;BYTE(1-Byte)
W#VLTx  EQU 0x0F    ;BYTE(1-Byte)
        ORG 0
@1:     MOVLW 0x01
        ANDWF X , W
        MOVWF W#D1
        MOVF W#D1 , W
        BTFSS Reg_Status , Flag_Z
        GOTO @9
        GOTO @10
@9:     GOTO @3
@10:    MOVLW 0x03
        ADDWF X , F
        GOTO @1
@3:     MOVLW 0x03
        ANDWF X , W
        MOVWF W#D1
        MOVF W#D1 , W
        BTFSS Reg_Status , Flag_Z
        GOTO @11
        GOTO @12
@11:    GOTO @5
@12:    INCF X , F
        GOTO @3
@5:     MOVLW 0x07
        ANDWF X , W
        MOVWF W#D1
        MOVF Y , W
        SUBWF W#D1 , W
        BTFSS Reg_Status , Flag_Z
        GOTO @13
        GOTO @14
@13:    GOTO @7
@14:    INCF Y , F
        GOTO @5
@7:     INCF X , F
        MOVLW 0x0F
        ANDWF X , W
        MOVWF W#D1
        MOVF W#D1 , W
        BTFSS Reg_Status , Flag_Z
        GOTO @15
        GOTO @8
@15:    GOTO @7
@8:     SLEEP
        GOTO $-1
        END

