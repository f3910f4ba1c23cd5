        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
X       EQU 0x0C    ;BYTE(1-Byte)
Y       EQU 0x0D    ;BYTE(1-Byte)
W#VLTx  EQU 0x0E    ;BYTE(1-Byte)
        ORG 0
        MOVLW 0xC8
        SUBWF X , W
        BTFSC Reg_Status , Flag_Z
        GOTO @3
        BTFSS Reg_Status , Flag_C
        GOTO @3
        GOTO @2
@3:     MOVLW 0x01
        MOVWF Y
        GOTO @1
@2:     MOVLW 0x02
        MOVWF Y
@1:     SLEEP
        GOTO $-1
        END

