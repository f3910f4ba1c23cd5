' The dispatcher keeps the order of the statements; the enables go timer,
' external, line, then the global enable.
DIM N AS BYTE
ON LINE INTERRUPT CALL LINEA
ON TIMER INTERRUPT CALL TEMPO
ON EXTERNAL INTERRUPT CALL ESTERNO
END
SUB TEMPO
N = 1
END SUB
SUB ESTERNO
N = 2
END SUB
SUB LINEA
N = 3
END SUB
