        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;BYTE(1-Byte)
Y       EQU 0x0D    ;BYTE(1-Byte)
W#VLTx  EQU 0x0E    ;BYTE(1-Byte)
        ORG 0
        MOVLW 0x0A
        SUBWF Reg_PortB , W
        BTFSS Reg_Status , Flag_Z
        GOTO @1
        MOVLW 0x01
        MOVWF Y
@1:     MOVLW 0x05
        SUBWF Reg_PortA , W
        BTFSC Reg_Status , Flag_Z
        GOTO @2
        BTFSS Reg_Status , Flag_C
        GOTO @2
        MOVLW 0x02
        MOVWF Y
@2:     MOVF Reg_PortA , W
        BTFSC Reg_Status , Flag_Z
        GOTO $+3
        BTFSS Reg_PortA , Bit_7
        GOTO @3
        MOVLW 0x03
        MOVWF Y
@3:     MOVF Reg_PortA , W
        BTFSC Reg_Status , Flag_Z
        GOTO $+3
        BTFSC Reg_PortA , Bit_7
        GOTO @4
        MOVLW 0x04
        MOVWF Y
@4:     BTFSS Reg_PortB , Bit_7
        GOTO @5
        MOVLW 0x05
        MOVWF Y
@5:     MOVF Reg_PortB , W
        BTFSC Reg_Status , Flag_Z
        GOTO @6
        BTFSC Reg_PortB , Bit_7
        GOTO @6
        MOVLW 0x06
        MOVWF Y
@6:     MOVF Reg_PortB , W
        BTFSC Reg_Status , Flag_Z
        GOTO @7
        MOVLW 0x07
        MOVWF Y
@7:     MOVF Reg_PortB , W
        BTFSS Reg_Status , Flag_Z
        GOTO @8
        MOVLW 0x08
        MOVWF Y
@8:     MOVF Reg_PortB , W
        BTFSC Reg_Status , Flag_Z
        GOTO @9
        MOVLW 0x09
        MOVWF Y
@9:     SLEEP
        GOTO $-1
        END

