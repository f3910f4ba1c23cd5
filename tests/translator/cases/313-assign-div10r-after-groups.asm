        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
M       EQU 0x0C    ;BYTE(1-Byte)
X       EQU 0x0D    ;BYTE(1-Byte)
Z       EQU 0x0E    ;BYTE(1-Byte)
W#D1    EQU 0x0F    ;BYTE(1-Byte)
W#D2    EQU 0x10    ;BYTE(1-Byte)
W#D3    EQU 0x11    ;BYTE(1-Byte)
W#VLTx  EQU 0x12    ;BYTE(1-Byte)
        ORG 0
        MOVLW 0x1B
        MOVWF M
        CLRF X
        CLRF Z
        MOVF M , W
        CALL @@DV10
        MOVWF X
        MOVLW 0
        XORWF X , W
        MOVWF W#D1
        MOVLW 0xFE
        XORWF Z , W
        MOVWF W#D3
        MOVF W#D3 , W
        ANDWF W#D1 , W
        MOVWF Z
        MOVLW 0xFE
        ANDWF M , W
        MOVWF W#D1
        MOVLW 0x03
        ANDWF X , W
        MOVWF W#D3
        MOVF W#D3 , W
        SUBWF W#D1 , W
        BTFSS Reg_Status , Flag_Z
        GOTO @1
        MOVLW 0x01
        MOVWF X
@1:     CALL @@DV10C
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

