        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
W#VLTx  EQU 0x0C    ;BYTE(1-Byte)
        ORG 0
        MOVLW 0x03
        CALL @@RD
        MOVWF W#VLTx
        MOVLW 0x05
        SUBWF W#VLTx , W
        BTFSC Reg_Status , Flag_Z
        GOTO @1
        BTFSS Reg_Status , Flag_C
        GOTO @1
        SLEEP
@1:     SLEEP
        GOTO $-1
@@RD:   MOVWF Reg_Eeadr
        BSF Reg_Status    , Bit_5
        BSF Reg_Eecon1    , Bit_0
        Nop
        BCF Reg_Status2   , Bit_5
        MOVF Reg_Eedata   , W
        RETURN
        END

