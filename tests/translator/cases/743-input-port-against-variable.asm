        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;BYTE(1-Byte)
Y       EQU 0x0D    ;BYTE(1-Byte)
W#VLTx  EQU 0x0E    ;BYTE(1-Byte)
        ORG 0
        MOVF Reg_PortA , W
        SUBWF X , W
        BTFSS Reg_Status , Flag_Z
        GOTO @1
        MOVLW 0x01
        MOVWF Y
@1:     MOVF Reg_PortA , W
        SUBWF X , W
        BTFSC Reg_Status , Flag_Z
        GOTO @2
        MOVLW 0x02
        MOVWF Y
@2:     MOVF Reg_PortA , W
        SUBWF X , W
        BTFSC Reg_Status , Flag_Z
        GOTO @3
        BTFSS Reg_Status , Flag_C
        GOTO @3
        MOVLW 0x03
        MOVWF Y
@3:     MOVF Reg_PortA , W
        SUBWF X , W
        BTFSC Reg_Status , Flag_Z
        GOTO @4
        BTFSC Reg_Status , Flag_C
        GOTO @4
        MOVLW 0x04
        MOVWF Y
@4:     MOVF Reg_PortA , W
        SUBWF X , W
        BTFSC Reg_Status , Flag_Z
        GOTO $+3
        BTFSS Reg_Status , Flag_C
        GOTO @5
        MOVLW 0x05
        MOVWF Y
@5:     MOVF Reg_PortA , W
        SUBWF X , W
        BTFSC Reg_Status , Flag_Z
        GOTO $+3
        BTFSS Reg_Status , Flag_C
        GOTO @6
        MOVLW 0x06
        MOVWF Y
@6:     SLEEP
        GOTO $-1
        END

