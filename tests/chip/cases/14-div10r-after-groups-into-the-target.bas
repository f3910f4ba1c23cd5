' DIV10R gives the remainder of the last DIV10 although a logical assignment
' with two groups runs between the two calls and its result goes into Z.
' CYCLES 1000
' EXPECT Z = 7
DIM M, X, Z AS BYTE
M = 27
X = 0
Z = 0
X = DIV10(M)
Z = (254 XOR Z) AND (0 XOR X)
Z = DIV10R(M)
END
