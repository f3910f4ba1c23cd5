        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;BYTE(1-Byte)
WAITING EQU 0x0D    ;BYTE(1-Byte)
W#VLTx  EQU 0x0E    ;BYTE(1-Byte)
        ORG 0
        RLF X , F
        RRF X , F
        RRF X , F
        BCF Reg_Status , Flag_C
        RRF X , F
        BCF Reg_Status , Flag_C
        RRF X , F
        BCF Reg_Status , Flag_C
        RLF X , F
        NOP
        NOP
        NOP
        NOP
        NOP
        NOP
        MOVLW 0x06
        MOVWF W#VLTx
        NOP
        DECFSZ W#VLTx , F
        GOTO $-2
        MOVLW 0xFF
        MOVWF W#VLTx
        NOP
        DECFSZ W#VLTx , F
        GOTO $-2
        MOVF X , W
        MOVWF W#VLTx
        NOP
        DECFSZ W#VLTx , F
        GOTO $-2
        MOVLW 0x01
        MOVWF WAITING
        SLEEP
        GOTO $-1
        END

