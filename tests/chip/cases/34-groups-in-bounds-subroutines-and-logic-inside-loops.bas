' A group in a loop bound keeps its value although the body calls a
' subroutine, written earlier, that computes groups of its own; arguments
' reach the parameters on every pass of a loop; nested loops with groups in
' their bounds and logic in their body count right.
' CYCLES 20000
' EXPECT C = 8             ' FOR I = 0 TO (15 AND 7) inside CONTA
' EXPECT S = 10            ' 1 + 2 + 3 + 4
' EXPECT T = 2             ' (J AND 1) over J = 1 to 4
' EXPECT NEST = 10         ' I from 0 to 3, J from I to 3
' EXPECT ACC = 2           ' the XOR of (I AND 1) OR (J AND 2) over those passes
' EXPECT Y = 0             ' complemented ten times
' EXPECT FINE = 170
DIM N AS BYTE
DIM I AS BYTE
DIM J AS BYTE
DIM X AS BYTE
DIM P AS BYTE
DIM Q AS BYTE
DIM C AS BYTE
DIM S AS BYTE
DIM T AS BYTE
DIM NEST AS BYTE
DIM ACC AS BYTE
DIM Y AS BYTE
DIM FINE AS BYTE
N = 15
CALL CONTA(N, 3)
FOR J = 1 TO 4
CALL SOMMA(J, J AND 1)
NEXT J
FOR I = 0 TO (N AND 3)
FOR J = I TO (N AND 3)
NEST = NEST + 1
X = (I AND 1) OR (J AND 2)
ACC = ACC XOR X
Y = NOT(Y)
NEXT J
NEXT I
FINE = 170
END
SUB MESCOLA
X = (N OR 16) AND 31
END SUB
SUB CONTA(P, Q)
FOR I = 0 TO (P AND 7)
C = C + 1
CALL MESCOLA
X = (Q OR 64) AND 65
NEXT I
END SUB
SUB SOMMA(P, Q)
S = S + P
T = T + Q
END SUB
