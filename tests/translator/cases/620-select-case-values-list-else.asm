        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;BYTE(1-Byte)
Y       EQU 0x0D    ;BYTE(1-Byte)
W#VLTx  EQU 0x0E    ;BYTE(1-Byte)
        ORG 0
        MOVF X , W
        SUBLW 0x01
        BTFSS Reg_Status , Flag_Z
        GOTO @3
        MOVLW 0x01
        MOVWF Y
        GOTO @1
@3:     MOVF X , W
        SUBLW 0x02
        BTFSS Reg_Status , Flag_Z
        GOTO @4
        GOTO @2
@4:     MOVF X , W
        SUBLW 0x03
        BTFSS Reg_Status , Flag_Z
        GOTO @5
@2:     MOVLW 0x02
        MOVWF Y
        GOTO @1
@5:     MOVLW 0x03
        MOVWF Y
@1:     SLEEP
        GOTO $-1
        END

