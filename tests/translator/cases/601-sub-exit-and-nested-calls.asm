        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;BYTE(1-Byte)
Y       EQU 0x0D    ;BYTE(1-Byte)
W#D1    EQU 0x0E    ;BYTE(1-Byte)
W#D2    EQU 0x0F    ;BYTE(1-Byte)
W#D3    EQU 0x10    ;BYTE(1-Byte)
W#VLTx  EQU 0x11    ;BYTE(1-Byte)
        ORG 0
        MOVLW 0x03
        MOVWF X
        CALL PRIMA
        SLEEP
        GOTO $-1
PRIMA:  CALL SECONDA
        MOVF X , W
        SUBLW 0x03
        BTFSS Reg_Status , Flag_Z
        GOTO @1
        RETURN
@1:     CALL SECONDA
        MOVLW 0x01
        MOVWF Y
        RETURN
SECONDA: MOVLW 0
        CALL @@RD
        MOVWF X
        MOVF X , W
        CALL @@DV10
        MOVWF Y
        RETURN
@@RD:   MOVWF Reg_Eeadr
        BSF Reg_Status    , Bit_5
        BSF Reg_Eecon1    , Bit_0
        Nop
        BCF Reg_Status2   , Bit_5
        MOVF Reg_Eedata   , W
        RETURN
@@DV10: Movwf W#D2
        Clrf  W#D1
        Movlw 0xA0
        Movwf W#D3
        Movf  W#D3 , W
        Subwf W#D2 , W
        BTFSS Reg_Status , Flag_C
        Goto  $+2
        Movwf W#D2
        RLF W#D1 , F
        RRF W#D3 , F
        BTFSS W#D3, Bit_0
        Goto $-8
        Movf W#D1 , W
        Return
@@DV10C: Movf W#D2 , W
        Return
        END

