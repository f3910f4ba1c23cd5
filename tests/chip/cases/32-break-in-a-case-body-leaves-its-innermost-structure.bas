' A BREAK in a FOR or DO loop of a case body leaves that loop only; a BREAK
' directly in the case body leaves the SELECT, and the FOR around the SELECT
' runs on.
' CYCLES 20000
' EXPECT NFOR = 5          ' FOR with constant bounds left at I = 5
' EXPECT NDO = 7           ' endless DO left at V = 7
' EXPECT NIF = 4           ' FOR with variable bounds left at I = 13
' EXPECT NWHILE = 3        ' DO WHILE left at V = 3
' EXPECT AFTER = 15        ' every case body went on after its loops
' EXPECT SKIP = 0          ' nothing after a BREAK of a case body ran
' EXPECT OUTER = 3         ' the FOR around the SELECT ran all its passes
' EXPECT FINE = 170
DIM X AS BYTE
DIM I AS BYTE
DIM V AS BYTE
DIM J AS BYTE
DIM K AS BYTE
DIM NFOR AS BYTE
DIM NDO AS BYTE
DIM NIF AS BYTE
DIM NWHILE AS BYTE
DIM AFTER AS BYTE
DIM SKIP AS BYTE
DIM OUTER AS BYTE
DIM FINE AS BYTE
FOR X = 1 TO 3
OUTER = OUTER + 1
SELECT CASE X
CASE 1
FOR I = 1 TO 100
NFOR = NFOR + 1
IF I = 5 THEN
BREAK
END IF
NEXT I
AFTER = AFTER + 1
V = 0
DO
V = V + 1
NDO = NDO + 1
IF V = 7 THEN
BREAK
END IF
LOOP
AFTER = AFTER + 2
BREAK
SKIP = SKIP + 1
CASE 2
J = 10
K = 200
FOR I = J TO K
NIF = NIF + 1
IF I = 13 THEN
BREAK
END IF
NEXT I
V = 0
DO WHILE V < 100
V = V + 1
NWHILE = NWHILE + 1
IF V = 3 THEN
BREAK
END IF
LOOP
AFTER = AFTER + 4
BREAK
SKIP = SKIP + 2
CASE ELSE
AFTER = AFTER + 8
END SELECT
NEXT X
FINE = 170
END
