' DIV10R gives the remainder of the last DIV10 although a logical assignment
' with two groups, which takes two temporaries at once, runs between.
' CYCLES 2000
' EXPECT X = 2                 ' 27 / 10
' EXPECT Z = 7                 ' 27 MOD 10
' EXPECT Y = 2
DIM M, X, Z, Y, I AS BYTE
M = 27
Y = 0
Z = 0
X = DIV10(M)
Y = (254 XOR Z) AND (0 XOR X)
Z = DIV10R(M)
END
