        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
N       EQU 0x0C    ;BYTE(1-Byte)
W#VLTx  EQU 0x0D    ;BYTE(1-Byte)
W#VLTy  EQU 0x0E    ;BYTE(1-Byte)
W#1     EQU 0x0F    ;BYTE(1-Byte)
W#2     EQU 0x10    ;BYTE(1-Byte)
W#3     EQU 0x11    ;BYTE(1-Byte)
W#4     EQU 0x12    ;BYTE(1-Byte)
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
        SWAPF W#VLTy , W
        MOVWF W#4
        BCF Reg_Status2, Bit_5
        BTFSS Reg_Intcon , Bit_1
        GOTO $+6
        BTFSS Reg_Intcon , Bit_4
        GOTO $+4
        CALL CONTA
        BCF Reg_Intcon , Bit_1
        GOTO @1
@1:     SWAPF W#3 , W
        MOVWF W#VLTx
        SWAPF W#4 , W
        MOVWF W#VLTy
        SWAPF W#2 , W
        MOVWF Reg_Status
        SWAPF W#1 , W
        RETFIE
@2:     NOP
        BCF Reg_Intcon , Bit_1
        BSF Reg_Intcon , Bit_4
        BSF Reg_Intcon , Bit_7
        MOVLW 0x0A
        MOVWF W#VLTy
        MOVLW 0x14
        MOVWF W#VLTx
        NOP
        DECFSZ W#VLTx , F
        GOTO $-2
        DECFSZ W#VLTy , F
        GOTO $-6
        SLEEP
        GOTO $-1
CONTA:  INCF N , F
        RETURN
        END
