' Arguments reach the parameters, EXIT SUB returns at once, nested calls run
' in order and come back, and arguments that name the subroutine's own
' parameters keep their old values.
' CYCLES 3000
' EXPECT SOMMATO = 12      ' SOMMA(5, 7)
' EXPECT PRIMO = 2         ' COPIA(BB, AA): the first parameter gets the old BB
' EXPECT SECONDO = 1       ' and the second the old AA
' EXPECT CONTA = 18        ' ESCI(0) left early, ESCI(1) ran to the end
' EXPECT Q = 116           ' ((3 + 1 + 25) * 2) * 2, innermost first
' EXPECT DECINE = 2        ' DIV10(29) inside the deepest subroutine
' EXPECT FINE = 170        ' every call came back to the main program
DIM X AS BYTE
DIM Y AS BYTE
DIM AA AS BYTE
DIM BB AS BYTE
DIM SOMMATO AS BYTE
DIM PRIMO AS BYTE
DIM SECONDO AS BYTE
DIM CONTA AS BYTE
DIM Q AS BYTE
DIM DECINE AS BYTE
DIM FINE AS BYTE
CONTA = 0
X = 5
Y = 7
CALL SOMMA(X, Y)
AA = 1
BB = 2
CALL COPIA(BB, AA)
CALL ESCI(0)
CALL ESCI(1)
CALL LIVELLO1
FINE = 170
END
SUB SOMMA(AA, BB)
SOMMATO = AA + BB
END SUB
SUB COPIA(AA, BB)
PRIMO = AA
SECONDO = BB
END SUB
SUB ESCI(AA)
CONTA = CONTA + 1
IF AA = 0 THEN
EXIT SUB
END IF
CONTA = CONTA + 16
END SUB
SUB LIVELLO1
Q = 3
CALL LIVELLO2
Q = Q + Q
END SUB
SUB LIVELLO2
Q = Q + 1
CALL LIVELLO3
Q = Q + Q
END SUB
SUB LIVELLO3
Q = Q + 25
DECINE = DIV10(Q)
END SUB
