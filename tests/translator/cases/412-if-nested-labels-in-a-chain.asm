        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
Q       EQU 0x0C    ;BYTE(1-Byte)
QA      EQU 0x0D    ;BYTE(1-Byte)
QB      EQU 0x0E    ;BYTE(1-Byte)
QC      EQU 0x0F    ;BYTE(1-Byte)
R       EQU 0x10    ;BYTE(1-Byte)
W#VLTx  EQU 0x11    ;BYTE(1-Byte)
        ORG 0
        MOVF Q , W
        BTFSC Reg_Status , Flag_Z
        GOTO @5
        MOVF QA , W
        BTFSC Reg_Status , Flag_Z
        GOTO @3
        MOVF QB , W
        BTFSC Reg_Status , Flag_Z
        GOTO @5
        MOVF QC , W
        BTFSC Reg_Status , Flag_Z
        GOTO @5
        MOVLW 0x01
        MOVWF R
@2:     GOTO @5
@3:     MOVLW 0x02
        MOVWF R
@5:     MOVLW 0x03
        MOVWF R
        SLEEP
        GOTO $-1
        END

