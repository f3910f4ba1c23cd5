        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;BYTE(1-Byte)
N       EQU 0x0D    ;BYTE(1-Byte)
W#VLTx  EQU 0x0E    ;BYTE(1-Byte)
        ORG 0
@1:     MOVF X , W
        BTFSC Reg_Status , Flag_Z
        GOTO @3
        RLF X , W
        BTFSC Reg_Status , Flag_C
        GOTO @3
        MOVLW 0x01
        SUBWF X , F
        GOTO @1
@3:     MOVF X , W
        SUBLW 0x05
        BTFSS Reg_Status , Flag_Z
        GOTO @14
        GOTO @5
@14:    INCF X , F
        GOTO @3
@5:     INCF N , F
        MOVLW 0x0A
        SUBWF N , W
        BTFSC Reg_Status , Flag_Z
        GOTO @7
        BTFSC Reg_Status , Flag_C
        GOTO @7
        GOTO @5
@7:     INCF N , F
        MOVF N , W
        SUBLW 0x14
        BTFSS Reg_Status , Flag_Z
        GOTO @16
        GOTO @9
@16:    GOTO @7
@9:     INCF N , F
        MOVF N , W
        SUBLW 0x1E
        BTFSS Reg_Status , Flag_Z
        GOTO @17
        GOTO @11
@17:    GOTO @9
@11:    GOTO @11
@12:    SLEEP
        GOTO $-1
        END

