DIM X AS BYTE
DIM Y AS BYTE
DIM Z AS BYTE
X = X + 1
X = X - 1
X = 1 + X
X = Y - Z
X = Y + Z
X = 10 - Y
X = 10 - X
X = 10 + Y
X = Y + 44
X = Y - 2
X = 3 + 4
X = 5 - 5
X = 3 - 5
END
