' DIV10R gives the remainder of the last DIV10 although a FOR loop whose
' start holds nested groups runs between.
' CYCLES 2000
' EXPECT X = 2                 ' 27 / 10
' EXPECT Z = 7                 ' 27 MOD 10
' EXPECT Y = 3                 ' I runs from 3 to 2: the body runs once
DIM M, X, Z, Y, I AS BYTE
M = 27
Y = 0
Z = 0
X = DIV10(M)
FOR I = ((M AND 1) OR X) TO (X AND 3)
Y = Y + I
NEXT I
Z = DIV10R(M)
END
