        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;BYTE(1-Byte)
Y       EQU 0x0D    ;BYTE(1-Byte)
W#VLTx  EQU 0x0E    ;BYTE(1-Byte)
        ORG 0
        MOVLW 0x0A
        MOVWF Reg_Eeadr
        MOVLW 0x05
        CALL @@WRT
        MOVLW 0
        MOVWF Reg_Eeadr
        MOVF X , W
        CALL @@WRT
        MOVF Y , W
        CALL @@WRT
        MOVLW 0x03
        MOVWF Reg_Eeadr
        MOVLW 0x61
        CALL @@WRT
        MOVLW 0x2C
        CALL @@WRT
        MOVLW 0x62
        CALL @@WRT
        MOVF X , W
        MOVWF Reg_Eeadr
        MOVLW 0x01
        CALL @@WRT
        MOVLW 0x4F
        CALL @@WRT
        MOVLW 0x6B
        CALL @@WRT
        MOVLW 0x02
        CALL @@WRT
        MOVLW 0x07
        MOVWF Reg_Eeadr
        SLEEP
        GOTO $-1
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

