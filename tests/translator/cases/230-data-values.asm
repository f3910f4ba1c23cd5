        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
W#VLTx  EQU 0x0C    ;BYTE(1-Byte)
        ORG 0
        GOTO @1
@@GD:   CLRF Reg_Pclath
        ADDLW 3
        ADDwf Reg_Pcl, W
        BTFSC Reg_Status, Bit_0
        Incf  Reg_Pclath , F
        MOVWF Reg_Pcl
        NOP
        RETLW 0x01
        RETLW 0x02
        RETLW 0xFF
        RETLW 0x4F
        RETLW 0x4B
        RETLW 0x2C
@1:
        SLEEP
        GOTO $-1
        END

