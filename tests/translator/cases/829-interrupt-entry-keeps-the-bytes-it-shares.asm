        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
I       EQU 0x0C    ;BYTE(1-Byte)
X       EQU 0x0D    ;BYTE(1-Byte)
Y       EQU 0x0E    ;BYTE(1-Byte)
H       EQU 0x0F    ;BYTE(1-Byte)
W#D1    EQU 0x10    ;BYTE(1-Byte)
W#D2    EQU 0x11    ;BYTE(1-Byte)
W#D3    EQU 0x12    ;BYTE(1-Byte)
W#D4    EQU 0x13    ;BYTE(1-Byte)
W#VLTx  EQU 0x14    ;BYTE(1-Byte)
W#1     EQU 0x15    ;BYTE(1-Byte)
W#2     EQU 0x16    ;BYTE(1-Byte)
W#3     EQU 0x17    ;BYTE(1-Byte)
W#4     EQU 0x18    ;BYTE(1-Byte)
W#5     EQU 0x19    ;BYTE(1-Byte)
W#6     EQU 0x1A    ;BYTE(1-Byte)
W#7     EQU 0x1B    ;BYTE(1-Byte)
W#8     EQU 0x1C    ;BYTE(1-Byte)
W#9     EQU 0x1D    ;BYTE(1-Byte)
        ORG 0
        GOTO @4
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
        MOVF W#D2 , W
        MOVWF W#4
        MOVF W#D3 , W
        MOVWF W#5
        MOVF W#D4 , W
        MOVWF W#6
        MOVF Reg_Pclath , W
        MOVWF W#7
        MOVF Reg_Eeadr , W
        MOVWF W#8
        MOVF Reg_Eedata , W
        MOVWF W#9
        BTFSS Reg_Intcon , Bit_1
        GOTO $+6
        BTFSS Reg_Intcon , Bit_4
        GOTO $+4
        CALL GESTORE
        BCF Reg_Intcon , Bit_1
        GOTO @1
@1:     MOVF W#4 , W
        MOVWF W#D2
        MOVF W#5 , W
        MOVWF W#D3
        MOVF W#6 , W
        MOVWF W#D4
        MOVF W#7 , W
        MOVWF Reg_Pclath
        MOVF W#8 , W
        MOVWF Reg_Eeadr
        MOVF W#9 , W
        MOVWF Reg_Eedata
        SWAPF W#3 , W
        MOVWF W#VLTx
        SWAPF W#2 , W
        MOVWF Reg_Status
        SWAPF W#1 , W
        RETFIE
@@GD:   CLRF Reg_Pclath
        ADDLW 3
        ADDwf Reg_Pcl, W
        BTFSC Reg_Status, Bit_0
        Incf  Reg_Pclath , F
        MOVWF Reg_Pcl
        NOP
        RETLW 0x05
        RETLW 0x06
        RETLW 0x07
@4:     NOP
        BCF Reg_Intcon , Bit_1
        BSF Reg_Intcon , Bit_4
        BSF Reg_Intcon , Bit_7
        MOVLW 0x07
        ANDWF Y , W
        MOVWF W#D1
        MOVLW 0x01
        MOVWF I
@2:     MOVF Y , W
        CALL @@DV10
        MOVWF X
        CALL @@DV10C
        MOVWF Y
        MovLW 0x04
        SubWF I , W
        BTFSS Reg_Status, Flag_C
        Goto $+3
        CLRW
        Goto $+4
        MOVF I , W
        BTFSS Reg_Status, Flag_Z
        CALL @@GD
        MOVWF X
        MOVLW 0x0A
        MOVWF Reg_Eeadr
        MOVF X , W
        CALL @@WRT
        MOVF Y , W
        CALL @@WRT
        MOVLW 0x0B
        CALL @@RD
        MOVWF Y
        MOVLW 0x01
        ADDWF I , F
        BTFSC Reg_Status , Flag_C
        GOTO @3
        MOVF W#D1 , W
        SUBWF I , W
        BTFSC Reg_Status , Flag_Z
        GOTO @2
        BTFSS Reg_Status , Flag_C
        GOTO @2
@3:     SLEEP
        GOTO $-1
GESTORE: MOVF H , W
        CALL @@DV10
        MOVWF H
        MOVLW 0x02
        CALL @@GD
        MOVWF H
        MOVLW 0x14
        MOVWF Reg_Eeadr
        MOVF H , W
        CALL @@WRT
        RETURN
@@WRT:  BSF Reg_Status , Bit_5
        BTFSC Reg_Eecon1 , Bit_1
        GOTO $-1
        BCF Reg_Status2 , Bit_5
        MOVWF Reg_Eedata
        BTFSS Reg_Intcon , Bit_7
        GOTO $+0x13
        BCF Reg_Intcon , Bit_7
        BTFSC Reg_Intcon , Bit_7
        GOTO $-2
        BSF Reg_Status , Bit_5
        BCF Reg_Eecon1 , Bit_4
        BSF Reg_Eecon1 , Bit_2
        MOVLW 0x55
        MOVWF Reg_Eecon2
        MOVLW 0xAA
        MOVWF Reg_Eecon2
        BSF Reg_Eecon1 , Bit_1
        BTFSS Reg_Eecon1 , Bit_4
        GOTO $-1
        BCF Reg_Eecon1 , Bit_4
        BCF Reg_Eecon1 , Bit_2
        BCF Reg_Status2 , Bit_5
        BSF Reg_Intcon , Bit_7
        GOTO $+0x0E
        BSF Reg_Status , Bit_5
        BCF Reg_Eecon1 , Bit_4
        BSF Reg_Eecon1 , Bit_2
        MovLW 0x55
        MovWF Reg_Eecon2
        MovLW 0xAA
        MovWF Reg_Eecon2
        BSF Reg_Eecon1 , Bit_1
        BTFSS Reg_Eecon1 , Bit_4
        GOTO $-1
        BCF Reg_Eecon1 , Bit_4
        BCF Reg_Eecon1 , Bit_2
        BCF Reg_Status2 , Bit_5
        INCF Reg_Eeadr , F
        RETURN
@@RD:   MOVWF Reg_Eeadr
        BSF Reg_Status    , Bit_5
        BSF Reg_Eecon1    , Bit_0
        Nop
        BCF Reg_Status2   , Bit_5
        MOVF Reg_Eedata   , W
        RETURN
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
