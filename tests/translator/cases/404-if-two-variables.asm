        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;BYTE(1-Byte)
Y       EQU 0x0D    ;BYTE(1-Byte)
A       EQU 0x0E    ;BYTE(1-Byte)
W#VLTx  EQU 0x0F    ;BYTE(1-Byte)
        ORG 0
        MOVF X , W
        SUBWF Y , W
        BTFSS Reg_Status , Flag_Z
        GOTO @1
        MOVLW 0x01
        MOVWF A
@1:     MOVF X , W
        SUBWF Y , W
        BTFSC Reg_Status , Flag_Z
        GOTO @2
        MOVLW 0x02
        MOVWF A
@2:     MOVF Y , W
        SUBWF X , W
        BTFSC Reg_Status , Flag_Z
        GOTO @3
        BTFSC Reg_Status , Flag_C
        GOTO @3
        MOVLW 0x03
        MOVWF A
@3:     MOVF Y , W
        SUBWF X , W
        BTFSC Reg_Status , Flag_Z
        GOTO @4
        BTFSS Reg_Status , Flag_C
        GOTO @4
        MOVLW 0x04
        MOVWF A
@4:     MOVF Y , W
        SUBWF X , W
        BTFSC Reg_Status , Flag_Z
        GOTO @6
        BTFSC Reg_Status , Flag_C
        GOTO @5
@6:     MOVLW 0x05
        MOVWF A
@5:     MOVF Y , W
        SUBWF X , W
        BTFSC Reg_Status , Flag_Z
        GOTO @8
        BTFSS Reg_Status , Flag_C
        GOTO @7
@8:     MOVLW 0x06
        MOVWF A
@7:     SLEEP
        GOTO $-1
        END

