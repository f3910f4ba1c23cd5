        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;BYTE(1-Byte)
W#VLTx  EQU 0x0D    ;BYTE(1-Byte)
        ORG 0
@1:     MOVF X , W
        SUBLW 0x01
        BTFSS Reg_Status , Flag_Z
        GOTO @9
        GOTO @3
@9:     INCF X , F
        GOTO @1
@3:     MOVLW 0x01
        SUBWF X , F
        MOVF X , W
        SUBLW 0x01
        BTFSS Reg_Status , Flag_Z
        GOTO @10
        GOTO @5
@10:    GOTO @3
@5:     MOVF X , W
        SUBLW 0x02
        BTFSS Reg_Status , Flag_Z
        GOTO @7
        INCF X , F
        GOTO @5
@7:     INCF X , F
        MOVF X , W
        SUBLW 0x09
        BTFSS Reg_Status , Flag_Z
        GOTO @12
        GOTO @8
@12:    GOTO @7
@8:     SLEEP
        GOTO $-1
        END

