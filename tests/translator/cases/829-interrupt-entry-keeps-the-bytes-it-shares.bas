' The handler divides, looks up DATA and writes the EEPROM, as the main
' program does: the entry keeps the divide bytes, PCLATH, EEADR and EEDATA,
' and the write routine takes its guarded form. The loop bound's byte is
' the main program's alone and is not kept.
DIM I AS BYTE
DIM X AS BYTE
DIM Y AS BYTE
DIM H AS BYTE
ON EXTERNAL INTERRUPT CALL GESTORE
FOR I = 1 TO (Y AND 7)
X = DIV10(Y)
Y = DIV10R(Y)
X = GETDATA(I)
WRITE X, Y, 10
Y = READ(11)
NEXT I
END
SUB GESTORE
H = DIV10(H)
H = GETDATA(2)
WRITE H, 20
END SUB
DATA 5, 6, 7
