        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;BYTE(1-Byte)
W#VLTx  EQU 0x0D    ;BYTE(1-Byte)
W#VLTy  EQU 0x0E    ;BYTE(1-Byte)
        ORG 0
        MOVLW 0x0A
        MOVWF W#VLTy
        MOVLW 0x14
        MOVWF W#VLTx
        NOP
        DECFSZ W#VLTx , F
        GOTO $-2
        DECFSZ W#VLTy , F
        GOTO $-6
        MOVF X , W
        MOVWF W#VLTy
        MOVLW 0xFF
        MOVWF W#VLTx
        NOP
        DECFSZ W#VLTx , F
        GOTO $-2
        DECFSZ W#VLTy , F
        GOTO $-6
        SLEEP
        GOTO $-1
        END

