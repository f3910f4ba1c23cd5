' A one-line IF ... THEN BREAK in a case body, outside any loop of that body,
' leaves the SELECT: the rest of the case body is skipped, and the DO loop
' around the SELECT runs all its passes.
' CYCLES 5000
' EXPECT V = 10            ' the loop ran to its end
' EXPECT ALTRI = 9         ' CASE ELSE for every other pass
' EXPECT SALTO = 0         ' nothing after the BREAK ran
' EXPECT FINE = 170
DIM V AS BYTE
DIM ALTRI AS BYTE
DIM SALTO AS BYTE
DIM FINE AS BYTE
DO WHILE V < 10
V = V + 1
SELECT CASE V
CASE 3
IF V = 3 THEN BREAK
SALTO = SALTO + 1
CASE ELSE
ALTRI = ALTRI + 1
END SELECT
LOOP
FINE = 170
END
