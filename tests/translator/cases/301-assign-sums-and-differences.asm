        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;BYTE(1-Byte)
Y       EQU 0x0D    ;BYTE(1-Byte)
Z       EQU 0x0E    ;BYTE(1-Byte)
W#VLTx  EQU 0x0F    ;BYTE(1-Byte)
        ORG 0
        INCF X , F
        MOVLW 0x01
        SUBWF X , F
        MOVLW 0x01
        ADDWF X , F
        MOVF Z , W
        SUBWF Y , W
        MOVWF X
        MOVF Z , W
        ADDWF Y , W
        MOVWF X
        MOVF Y , W
        SUBLW 0x0A
        MOVWF X
        MOVF X , W
        SUBLW 0x0A
        MOVWF X
        MOVLW 0x0A
        ADDWF Y , W
        MOVWF X
        MOVLW 0x2C
        ADDWF Y , W
        MOVWF X
        MOVLW 0x02
        SUBWF Y , W
        MOVWF X
        MovLW 0x07
        MovWF X
        CLRF X
        MovLW 0xFE
        MovWF X
        SLEEP
        GOTO $-1
        END

