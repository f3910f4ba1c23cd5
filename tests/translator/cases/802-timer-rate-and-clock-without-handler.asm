        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
W#VLTx  EQU 0x0C    ;BYTE(1-Byte)
        ORG 0
        BCF Reg_Intcon , Bit_5
        BCF Reg_Status , Bit_6
        BSF Reg_Status , Bit_5
        CLRWDT
        BCF Reg_Option , Bit_3
        BCF Reg_Option , Bit_0
        BSF Reg_Option , Bit_1
        BCF Reg_Option , Bit_2
        BCF Reg_Status , Bit_6
        BCF Reg_Status2, Bit_5
        CLRF Reg_Tmr0
        BCF Reg_Intcon , Bit_5
        BCF Reg_Status , Bit_6
        BSF Reg_Status , Bit_5
        CLRWDT
        BCF Reg_Option , Bit_3
        BCF Reg_Option , Bit_0
        BSF Reg_Option , Bit_1
        BCF Reg_Option , Bit_2
        BCF Reg_Status , Bit_6
        BCF Reg_Status2, Bit_5
        CLRF Reg_Tmr0
        BCF Reg_Intcon , Bit_5
        BCF Reg_Status , Bit_6
        BSF Reg_Status , Bit_5
        CLRWDT
        BCF Reg_Option , Bit_3
        BSF Reg_Option , Bit_0
        BSF Reg_Option , Bit_1
        BSF Reg_Option , Bit_2
        BCF Reg_Status , Bit_6
        BCF Reg_Status2, Bit_5
        CLRF Reg_Tmr0
        BCF Reg_Intcon , Bit_5
        BCF Reg_Status , Bit_6
        BSF Reg_Status , Bit_5
        CLRWDT
        BCF Reg_Option , Bit_3
        BCF Reg_Option , Bit_0
        BCF Reg_Option , Bit_1
        BCF Reg_Option , Bit_2
        BCF Reg_Status , Bit_6
        BCF Reg_Status2, Bit_5
        CLRF Reg_Tmr0
        BCF Reg_Intcon , Bit_5
        CLRWDT
        CLRF Reg_Tmr0
        BSF Reg_Status , Bit_5
        MOVF Reg_Option , W
        ANDLW 0x07
        XORLW 0x07
        BSF Reg_Option , Bit_0
        BSF Reg_Option , Bit_1
        BSF Reg_Option , Bit_2
        BSF Reg_Option , Bit_3
        CLRWDT
        XORWF Reg_Option , F
        BCF Reg_Status2, Bit_5
        CLRF Reg_Tmr0
        BCF Reg_Intcon , Bit_5
        BSF Reg_Status , Bit_5
        BCF Reg_Option , Bit_5
        BCF Reg_Status2, Bit_5
        BCF Reg_Intcon , Bit_5
        BSF Reg_Status , Bit_5
        BSF Reg_Option , Bit_5
        BCF Reg_Status2, Bit_5
        SLEEP
        GOTO $-1
        END

