        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;BYTE(1-Byte)
Y       EQU 0x0D    ;BYTE(1-Byte)
W#VLTx  EQU 0x0E    ;BYTE(1-Byte)
        ORG 0
        BTFSS Reg_PortA , Bit_0
        GOTO @1
        MOVLW 0x01
        MOVWF Y
@1:     BTFSC Reg_PortB , Bit_7
        GOTO @2
        MOVLW 0x02
        MOVWF Y
@2:     BTFSS Reg_PortA , Bit_0
        GOTO @3
        MOVLW 0x03
        MOVWF Y
@3:     BTFSS Reg_PortA , Bit_0
        GOTO @4
        MOVLW 0x04
        MOVWF Y
@4:     MOVF X , W
        BTFSS Reg_Status , Flag_Z
        GOTO $+4
        BTFSC Reg_PortB , Bit_2
        GOTO @5
        GOTO $+3
        BTFSS Reg_PortB , Bit_2
        GOTO @5
        MOVLW 0x05
        MOVWF Y
@5:     BTFSS Reg_PortA , Bit_4
        GOTO @6
        MOVLW 0x06
        MOVWF Y
@6:     SLEEP
        GOTO $-1
        END

