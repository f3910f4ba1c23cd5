' The remainder form alone still gets its routine: the program translates,
' assembles and runs.
' CYCLES 500
DIM R AS BYTE
R = 5
R = DIV10R()
END
