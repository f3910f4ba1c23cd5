        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
W#VLTx  EQU 0x0C    ;BYTE(1-Byte)
W#1     EQU 0x0D    ;BYTE(1-Byte)
W#2     EQU 0x0E    ;BYTE(1-Byte)
W#3     EQU 0x0F    ;BYTE(1-Byte)
        ORG 0
        GOTO @2
        NOP
        NOP
        NOP
        MOVWF W#1
        SWAPF W#1 , F
        SWAPF Reg_Status , W
        MOVWF W#2
        SWAPF W#VLTx , W
        MOVWF W#3
        BCF Reg_Status2, Bit_5
        BTFSS Reg_Intcon , Bit_2
        GOTO $+8
        BTFSS Reg_Intcon , Bit_5
        GOTO $+6
        CALL CONTA
        MOVLW 0x64
        MOVWF Reg_Tmr0
        BCF Reg_Intcon , Bit_2
        GOTO @1
@1:     SWAPF W#3 , W
        MOVWF W#VLTx
        SWAPF W#2 , W
        MOVWF Reg_Status
        SWAPF W#1 , W
        RETFIE
@2:     NOP
        BSF Reg_Status , Bit_5
        BSF Reg_Option , Bit_0
        BSF Reg_Option , Bit_1
        BSF Reg_Option , Bit_2
        CLRWDT
        BCF Reg_Option , Bit_3
        BSF Reg_Option , Bit_4
        BCF Reg_Option , Bit_5
        BCF Reg_Status2, Bit_5
        CLRF Reg_Tmr0
        BCF Reg_Intcon , Bit_2
        BSF Reg_Intcon , Bit_5
        BSF Reg_Intcon , Bit_7
        SLEEP
        GOTO $-1
CONTA:  RETURN
        END
