        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
M       EQU 0x0C    ;BYTE(1-Byte)
X       EQU 0x0D    ;BYTE(1-Byte)
Z       EQU 0x0E    ;BYTE(1-Byte)
Y       EQU 0x0F    ;BYTE(1-Byte)
I       EQU 0x10    ;BYTE(1-Byte)
W#D1    EQU 0x11    ;BYTE(1-Byte)
W#D2    EQU 0x12    ;BYTE(1-Byte)
W#D3    EQU 0x13    ;BYTE(1-Byte)
W#D4    EQU 0x14    ;BYTE(1-Byte)
W#VLTx  EQU 0x15    ;BYTE(1-Byte)
        ORG 0
        MOVLW 0x1B
        MOVWF M
        MOVLW 0x03
        ANDWF M , W
        MOVWF W#D1
        MOVLW 0
        MOVWF I
@1:     MOVF M , W
        CALL @@DV10
        MOVWF X
        MOVLW 0x01
        ANDWF X , W
        MOVWF W#D3
        MOVLW 0x01
        ANDWF M , W
        MOVWF W#D4
        MOVF W#D4 , W
        IORWF W#D3 , W
        MOVWF Y
        CALL @@DV10C
        MOVWF Z
        MOVLW 0x01
        ADDWF I , F
        BTFSC Reg_Status , Flag_C
        GOTO @2
        MOVF W#D1 , W
        SUBWF I , W
        BTFSC Reg_Status , Flag_Z
        GOTO @1
        BTFSS Reg_Status , Flag_C
        GOTO @1
@2:     SLEEP
        GOTO $-1
@@DV10: Movwf W#D2
        Clrf  W#D3
        Movlw 0xA0
        Movwf W#D4
        Movf  W#D4 , W
        Subwf W#D2 , W
        BTFSS Reg_Status , Flag_C
        Goto  $+2
        Movwf W#D2
        RLF W#D3 , F
        RRF W#D4 , F
        BTFSS W#D4, Bit_0
        Goto $-8
        Movf W#D3 , W
        Return
@@DV10C: Movf W#D2 , W
        Return
        END

