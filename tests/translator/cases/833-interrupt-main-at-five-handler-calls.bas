' The main program five levels deep, the interrupt and a handler that calls K fill the eight levels.
DIM X AS BYTE
ON EXTERNAL INTERRUPT CALL H
CALL S1
END
SUB S1
CALL S2
END SUB
SUB S2
CALL S3
END SUB
SUB S3
CALL S4
END SUB
SUB S4
CALL S5
END SUB
SUB S5
X = X + 1
END SUB
SUB H
CALL K
END SUB
SUB K
X = 0
END SUB
