        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
W#VLTx  EQU 0x0C    ;BYTE(1-Byte)
        ORG 0
        BCF Reg_Intcon , Bit_5
        BSF Reg_Status , Bit_5
        BSF Reg_Option , Bit_3
        BCF Reg_Status2, Bit_5
        CLRF Reg_Tmr0
        SLEEP
        GOTO $-1
        END

