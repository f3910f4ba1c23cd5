        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;BYTE(1-Byte)
Y       EQU 0x0D    ;BYTE(1-Byte)
W#VLTx  EQU 0x0E    ;BYTE(1-Byte)
        ORG 0
        GOTO @1
@@GD:   CLRF Reg_Pclath
        ADDLW 3
        ADDwf Reg_Pcl, W
        BTFSC Reg_Status, Bit_0
        Incf  Reg_Pclath , F
        MOVWF Reg_Pcl
        NOP
        RETLW 0
        RETLW 0xFF
        RETLW 0x2C
@1:
        MOVLW 0x03
        CALL @@GD
        MOVWF X
        MOVLW 0x02
        MOVWF Y
        MovLW 0x04
        SubWF Y , W
        BTFSS Reg_Status, Flag_C
        Goto $+3
        CLRW
        Goto $+4
        MOVF Y , W
        BTFSS Reg_Status, Flag_Z
        CALL @@GD
        MOVWF X
        SLEEP
        GOTO $-1
        END

