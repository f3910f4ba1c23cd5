' A SUB with parameters is called by its name and its parameter count.
DIM A AS BYTE
ON EXTERNAL INTERRUPT CALL MOSTRA
END
SUB MOSTRA(A)
END SUB
