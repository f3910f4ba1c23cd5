        Title "BASIC to PIC Translator"
        Include "PIC16F84.DEF"
W#VLTx  EQU 0x0C    ;BYTE(1-Byte)
        ORG 0
        CALL S1
        SLEEP
        GOTO $-1
S1:     CALL S2
        RETURN
S2:     CALL S3
        RETURN
S3:     CALL S4
        RETURN
S4:     CALL S5
        RETURN
S5:     CALL S6
        RETURN
S6:     RETURN
        END

