        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;BYTE(1-Byte)
H       EQU 0x0D    ;BYTE(1-Byte)
W#D1    EQU 0x0E    ;BYTE(1-Byte)
W#D2    EQU 0x0F    ;BYTE(1-Byte)
W#D3    EQU 0x10    ;BYTE(1-Byte)
W#VLTx  EQU 0x11    ;BYTE(1-Byte)
W#1     EQU 0x12    ;BYTE(1-Byte)
W#2     EQU 0x13    ;BYTE(1-Byte)
W#3     EQU 0x14    ;BYTE(1-Byte)
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
        BTFSS Reg_Intcon , Bit_2
        GOTO $+8
        BTFSS Reg_Intcon , Bit_5
        GOTO $+6
        CALL TICK
        MOVLW 0x0
        MOVWF Reg_Tmr0
        BCF Reg_Intcon , Bit_2
        GOTO @1
@1:     SWAPF W#3 , W
        MOVWF W#VLTx
        SWAPF W#2 , W
        MOVWF Reg_Status
        SWAPF W#1 , W
        RETFIE
@2:     NOP
        BSF Reg_Status , Bit_5
        BSF Reg_Option , Bit_0
        BSF Reg_Option , Bit_1
        BSF Reg_Option , Bit_2
        CLRWDT
        BCF Reg_Option , Bit_3
        BSF Reg_Option , Bit_4
        BCF Reg_Option , Bit_5
        BCF Reg_Status2, Bit_5
        CLRF Reg_Tmr0
        BCF Reg_Intcon , Bit_2
        BSF Reg_Intcon , Bit_5
        BSF Reg_Intcon , Bit_7
CICLO:  INCF X , F
        GOTO CICLO
        SLEEP
        GOTO $-1
TICK:   MOVF H , W
        CALL @@DV10
        MOVWF H
        MOVLW 0x0C
        ANDWF X , W
        MOVWF W#D1
        MOVLW 0x03
        ANDWF H , W
        MOVWF W#D2
        MOVF W#D2 , W
        IORWF W#D1 , W
        MOVWF H
        RETURN
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
