        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X         EQU 0x0C    ;BYTE(1-Byte)
Y         EQU 0x0D    ;BYTE(1-Byte)
Z         EQU 0x0E    ;BYTE(1-Byte)
A         EQU 0x0F    ;BYTE(1-Byte)
ALTEZZA   EQU 0x10    ;BYTE(1-Byte)
LARGHEZZA EQU 0x11    ;BYTE(1-Byte)
W#VLTx    EQU 0x12    ;BYTE(1-Byte)
        ORG 0
        MOVLW 0x01
        MOVWF X
        MOVLW 0x02
        MOVWF Y
        CALL AREA2
        MOVLW 0x04
        MOVWF X
        MOVLW 0x05
        MOVWF Y
        MOVLW 0x06
        MOVWF Z
        CALL AREA3
        MOVF X , W
        MOVWF A
        CALL M1
        MOVLW 0x0A
        MOVWF ALTEZZA
        MOVLW 0x14
        MOVWF LARGHEZZA
        CALL VOLUME2
        CALL TEST
        CALL VUOTA
        SLEEP
        GOTO $-1
AREA2:  MOVF Y , W
        ADDWF X , W
        MOVWF Z
        RETURN
AREA3:  MOVF X , W
        ADDWF Z , W
        MOVWF Z
        RETURN
M1:     MOVF A , W
        MOVWF X
        RETURN
VOLUME2: MOVF LARGHEZZA , W
        ADDWF ALTEZZA , W
        MOVWF Z
        RETURN
TEST:   CLRF Z
        RETURN
VUOTA:  RETURN
        END

