        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
W#VLTx  EQU 0x0C    ;BYTE(1-Byte)
        ORG 0
        BSF Reg_Status , Bit_5
        MovLW 0xFF
        MovWF Reg_TrisA
        BCF Reg_Status2 , Bit_5
        SLEEP
        GOTO $-1
        END

