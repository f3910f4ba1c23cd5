        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
Y       EQU 0x0C    ;BYTE(1-Byte)
W#VLTx  EQU 0x0D    ;BYTE(1-Byte)
        ORG 0
        MOVF Reg_PortB , W
        SUBLW 0x0A
        BTFSC Reg_Status , Flag_Z
        GOTO @1
        MOVLW 0x01
        MOVWF Y
@1:     MOVLW 0x0A
        SUBWF Reg_PortB , W
        BTFSC Reg_Status , Flag_Z
        GOTO @2
        BTFSC Reg_Status , Flag_C
        GOTO @2
        MOVLW 0x02
        MOVWF Y
@2:     MOVLW 0x80
        SUBWF Reg_PortB , W
        BTFSC Reg_Status , Flag_Z
        GOTO @3
        BTFSS Reg_Status , Flag_C
        GOTO @3
        MOVLW 0x03
        MOVWF Y
@3:     MOVLW 0xFF
        SUBWF Reg_PortB , W
        BTFSC Reg_Status , Flag_Z
        GOTO $+3
        BTFSC Reg_Status , Flag_C
        GOTO @4
        MOVLW 0x04
        MOVWF Y
@4:     MOVLW 0xC8
        SUBWF Reg_PortB , W
        BTFSC Reg_Status , Flag_Z
        GOTO $+3
        BTFSS Reg_Status , Flag_C
        GOTO @5
        MOVLW 0x05
        MOVWF Y
@5:     SLEEP
        GOTO $-1
        END

