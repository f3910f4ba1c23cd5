' DIV10R gives the remainder of the last DIV10 although a SELECT CASE whose
' case body holds two groups runs between.
' CYCLES 2000
' EXPECT X = 2                 ' 27 / 10
' EXPECT Z = 7                 ' 27 MOD 10
' EXPECT Y = 11                ' (27 AND 15) OR (2 AND 1)
DIM M, X, Z, Y, I AS BYTE
M = 27
Y = 0
Z = 0
X = DIV10(M)
SELECT CASE X
CASE 2
Y = (M AND 15) OR (X AND 1)
CASE ELSE
Y = 1
END SELECT
Z = DIV10R(M)
END
