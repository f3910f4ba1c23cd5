        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
A       EQU 0x0C    ;BYTE(1-Byte)
W#VLTx  EQU 0x0D    ;BYTE(1-Byte)
W#1     EQU 0x0E    ;BYTE(1-Byte)
W#2     EQU 0x0F    ;BYTE(1-Byte)
W#3     EQU 0x10    ;BYTE(1-Byte)
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
        BTFSS Reg_Intcon , Bit_0
        GOTO $+7
        BTFSS Reg_Intcon , Bit_3
        GOTO $+5
        CALL MOSTRA1
        MOVF Reg_PortB , W
        BCF Reg_Intcon , Bit_0
        GOTO @1
@1:     SWAPF W#3 , W
        MOVWF W#VLTx
        SWAPF W#2 , W
        MOVWF Reg_Status
        SWAPF W#1 , W
        RETFIE
@2:     NOP
        MOVF Reg_PortB , W
        BCF Reg_Intcon , Bit_0
        BSF Reg_Intcon , Bit_3
        BSF Reg_Intcon , Bit_7
        SLEEP
        GOTO $-1
MOSTRA1: INCF A , F
        RETURN
        END
