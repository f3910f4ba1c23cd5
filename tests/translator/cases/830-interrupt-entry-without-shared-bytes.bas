' The handler divides and computes with groups, the main program does
' neither and uses no temporary: the entry stays as it always was.
DIM X AS BYTE
DIM H AS BYTE
ON TIMER INTERRUPT CALL TICK
CICLO:
X = X + 1
GOTO CICLO
END
SUB TICK
H = DIV10(H)
H = (H AND 3) OR (X AND 12)
END SUB
