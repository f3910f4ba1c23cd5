' DIV10R gives the remainder of the last DIV10 although an IF condition with
' two groups runs between.
' CYCLES 2000
' EXPECT X = 2                 ' 27 / 10
' EXPECT Z = 7                 ' 27 MOD 10
' EXPECT Y = 2                 ' (2 AND 3) <> (27 AND 254)
DIM M, X, Z, Y, I AS BYTE
M = 27
Y = 0
Z = 0
X = DIV10(M)
IF (X AND 3) = (M AND 254) THEN
Y = 1
ELSE
Y = 2
END IF
Z = DIV10R(M)
END
