        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
Z       EQU 0x0C    ;BYTE(1-Byte)
W#D1    EQU 0x0D    ;BYTE(1-Byte)
W#D2    EQU 0x0E    ;BYTE(1-Byte)
W#D3    EQU 0x0F    ;BYTE(1-Byte)
W#VLTx  EQU 0x10    ;BYTE(1-Byte)
        ORG 0
        CALL @@DV10C
        MOVWF Z
        SLEEP
        GOTO $-1
@@DV10: Movwf W#D2
        Clrf  W#D1
        Movlw 0xA0
        Movwf W#D3
        Movf  W#D3 , W
        Subwf W#D2 , W
        BTFSS Reg_Status , Flag_C
        Goto  $+2
        Movwf W#D2
        RLF W#D1 , F
        RRF W#D3 , F
        BTFSS W#D3, Bit_0
        Goto $-8
        Movf W#D1 , W
        Return
@@DV10C: Movf W#D2 , W
        Return
        END

