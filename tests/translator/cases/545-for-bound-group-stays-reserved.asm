        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
I       EQU 0x0C    ;BYTE(1-Byte)
N       EQU 0x0D    ;BYTE(1-Byte)
X       EQU 0x0E    ;BYTE(1-Byte)
W#D1    EQU 0x0F    ;BYTE(1-Byte)
W#D2    EQU 0x10    ;BYTE(1-Byte)
W#D3    EQU 0x11    ;BYTE(1-Byte)
W#D4    EQU 0x12    ;BYTE(1-Byte)
W#VLTx  EQU 0x13    ;BYTE(1-Byte)
        ORG 0
        MOVLW 0x07
        ANDWF N , W
        MOVWF W#D1
        MOVLW 0
        MOVWF I
@1:     MOVLW 0x01
        IORWF X , W
        MOVWF W#D2
        MOVF W#D2 , W
        ANDWF N , W
        MOVWF X
        MOVF N , W
        CALL @@DV10
        MOVWF X
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
@2:     MOVLW 0x01
        ANDWF X , W
        MOVWF W#D2
        MOVF W#D2 , W
        IORWF N , W
        MOVWF X
        SLEEP
        GOTO $-1
@@DV10: Movwf W#D3
        Clrf  W#D2
        Movlw 0xA0
        Movwf W#D4
        Movf  W#D4 , W
        Subwf W#D3 , W
        BTFSS Reg_Status , Flag_C
        Goto  $+2
        Movwf W#D3
        RLF W#D2 , F
        RRF W#D4 , F
        BTFSS W#D4, Bit_0
        Goto $-8
        Movf W#D2 , W
        Return
@@DV10C: Movf W#D3 , W
        Return
        END

