        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;BYTE(1-Byte)
Y       EQU 0x0D    ;BYTE(1-Byte)
W#VLTx  EQU 0x0E    ;BYTE(1-Byte)
        ORG 0
        SWAPF X , F
        MOVF X , W
        MOVWF W#VLTx
        MOVF Y , W
        MOVWF X
        MOVF W#VLTx , W
        MOVWF Y
        BCF Reg_Status , Flag_C
        BCF Reg_Status , Flag_C
        BCF Reg_Status , Flag_C
        BCF Reg_Status , Flag_C
        BSF Reg_Status , Flag_C
        BSF Reg_Status , Flag_C
        CLRF Reg_PortB
        BCF Reg_PortA , Bit_2
        MOVLW 0xFF
        MOVWF Reg_PortB
        BSF Reg_PortB , Bit_4
        CLRF Reg_PortA
        BCF Reg_PortB , Bit_1
        MOVLW 0
        MOVWF Reg_PortB
        MOVLW 0x05
        MOVWF Reg_PortB
        MOVLW 0x1F
        MOVWF Reg_PortA
        MOVF X , W
        MOVWF Reg_PortA
        MOVLW 0x2C
        MOVWF Reg_PortB
        SLEEP
        GOTO $-1
        END

