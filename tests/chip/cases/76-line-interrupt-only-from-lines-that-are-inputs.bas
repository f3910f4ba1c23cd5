' The port-change interrupt comes only from the lines of B4-B7 that are
' inputs: CONFIG B0 AS INPUT alone makes B4 an output, and three pulses on
' it call nothing; once RECONFIG has made B4 an input, three pulses are six
' changes and six calls. P is the count before the RECONFIG (about cycle
' 21000).
' CYCLES 40000
' PIN B4 0 2000 1 3000 0 4000 1 5000 0 6000 1 7000 0 30000 1 31000 0 32000 1 33000 0 34000 1 35000 0
' EXPECT P = 0
' EXPECT N = 6
DIM N AS BYTE
DIM P AS BYTE
CONFIG B0 AS INPUT
ON LINE INTERRUPT CALL LINEA
WAIT 250, 20
P = N
RECONFIG B4 AS INPUT
GIRO:
GOTO GIRO
END
SUB LINEA
N = N + 1
END SUB
