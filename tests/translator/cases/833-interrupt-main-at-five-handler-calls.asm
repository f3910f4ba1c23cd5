        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;BYTE(1-Byte)
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
        BTFSS Reg_Intcon , Bit_1
        GOTO $+6
        BTFSS Reg_Intcon , Bit_4
        GOTO $+4
        CALL H
        BCF Reg_Intcon , Bit_1
        GOTO @1
@1:     SWAPF W#3 , W
        MOVWF W#VLTx
        SWAPF W#2 , W
        MOVWF Reg_Status
        SWAPF W#1 , W
        RETFIE
@2:     NOP
        BCF Reg_Intcon , Bit_1
        BSF Reg_Intcon , Bit_4
        BSF Reg_Intcon , Bit_7
        CALL S1
        SLEEP
        GOTO $-1
S1:     CALL S2
        RETURN
S2:     CALL S3
        RETURN
S3:     CALL S4
        RETURN
S4:     CALL S5
        RETURN
S5:     INCF X , F
        RETURN
H:      CALL K
        RETURN
K:      CLRF X
        RETURN
        END
