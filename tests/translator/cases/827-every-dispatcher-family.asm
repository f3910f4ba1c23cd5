        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;BYTE(1-Byte)
Y       EQU 0x0D    ;BYTE(1-Byte)
W#VLTx  EQU 0x0E    ;BYTE(1-Byte)
W#1     EQU 0x0F    ;BYTE(1-Byte)
W#2     EQU 0x10    ;BYTE(1-Byte)
W#3     EQU 0x11    ;BYTE(1-Byte)
        ORG 0
        GOTO @3
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
        CALL TEMPO
        MOVLW 0xA
        MOVWF Reg_Tmr0
        BCF Reg_Intcon , Bit_2
        GOTO @1
        BTFSS Reg_Intcon , Bit_1
        GOTO $+6
        BTFSS Reg_Intcon , Bit_4
        GOTO $+4
        CALL ESTERNO
        BCF Reg_Intcon , Bit_1
        GOTO @1
        BTFSS Reg_Intcon , Bit_0
        GOTO $+7
        BTFSS Reg_Intcon , Bit_3
        GOTO $+5
        CALL LINEA
        MOVF Reg_PortB , W
        BCF Reg_Intcon , Bit_0
        GOTO @1
@1:     SWAPF W#3 , W
        MOVWF W#VLTx
        SWAPF W#2 , W
        MOVWF Reg_Status
        SWAPF W#1 , W
        RETFIE
@3:     NOP
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
        BCF Reg_Intcon , Bit_1
        BSF Reg_Intcon , Bit_4
        MOVF Reg_PortB , W
        BCF Reg_Intcon , Bit_0
        BSF Reg_Intcon , Bit_3
        BSF Reg_Intcon , Bit_7
        SWAPF X , F
        MOVF X , W
        MOVWF W#VLTx
        MOVF Y , W
        MOVWF X
        MOVF W#VLTx , W
        MOVWF Y
        NOP
        GOTO AVANTI
AVANTI: CALL TEMPO
        BCF Reg_Status , Flag_C
        BCF Reg_Status , Flag_C
        BCF Reg_PortB , Bit_1
        MOVF X , W
        MOVWF Reg_PortB
        BSF Reg_Status , Bit_5
        MOVF Reg_TrisA , W
        IORLW 0x04
        MOVWF Reg_TrisA
        BCF Reg_Status2 , Bit_5
        BCF Reg_PortB , Bit_2
        RRF X , F
        RLF Y , F
        BCF Reg_Intcon , Bit_2
        BSF Reg_Intcon , Bit_5
        BCF Reg_Intcon , Bit_5
        BCF Reg_Intcon , Bit_5
        BSF Reg_Status , Bit_5
        BCF Reg_Option , Bit_5
        BCF Reg_Status2, Bit_5
        BCF Reg_Intcon , Bit_2
        BSF Reg_Intcon , Bit_5
        BCF Reg_Intcon , Bit_5
        BSF Reg_Status , Bit_5
        BSF Reg_Option , Bit_5
        BCF Reg_Status2, Bit_5
        BCF Reg_Intcon , Bit_2
        BSF Reg_Intcon , Bit_5
        BCF Reg_Intcon , Bit_5
        BCF Reg_Status , Bit_6
        BSF Reg_Status , Bit_5
        BCF Reg_Option , Bit_3
        BCF Reg_Option , Bit_0
        BCF Reg_Option , Bit_1
        BCF Reg_Option , Bit_2
        BCF Reg_Status , Bit_6
        BCF Reg_Status2, Bit_5
        CLRF Reg_Tmr0
        BCF Reg_Intcon , Bit_2
        BSF Reg_Intcon , Bit_5
        BSF Reg_Status , Bit_5
        BCF Reg_Option , Bit_4
        BCF Reg_Status2, Bit_5
        BSF Reg_Status , Bit_5
        BSF Reg_Option , Bit_4
        BCF Reg_Status2, Bit_5
        BSF Reg_Status , Bit_5
        BSF Reg_Option , Bit_6
        BCF Reg_Status2, Bit_5
        BSF Reg_Status , Bit_5
        BCF Reg_Option , Bit_6
        BCF Reg_Status2, Bit_5
        BCF Reg_Intcon , Bit_1
        BSF Reg_Intcon , Bit_4
        BCF Reg_Intcon , Bit_4
        MOVF Reg_PortB , W
        BCF Reg_Intcon , Bit_0
        BSF Reg_Intcon , Bit_3
        BCF Reg_Intcon , Bit_3
        BSF Reg_Status , Flag_C
        BSF Reg_PortB , Bit_3
        BCF Reg_Status , Flag_C
        RRF X , F
        BCF Reg_Status , Flag_C
        RLF Y , F
        BCF Reg_Status , Flag_C
        RLF Y , F
        MOVF X , W
        BTFSS Reg_Status , Flag_Z
        GOTO @2
        SLEEP
        NOP
@2:     NOP
        NOP
        MOVLW 0x01
        MOVWF Reg_Eeadr
        MOVF X , W
        CALL @@WRT
        SLEEP
        GOTO $-1
TEMPO:  RETURN
ESTERNO: RETURN
LINEA:  RETURN
@@WRT:  MOVWF Reg_Eedata
        BTFSS Reg_Intcon , Bit_7
        GOTO $+0x11
        BCF Reg_Intcon , Bit_7
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
        END
