' 61 bytes of variables fill the RAM with the divide bytes, W#VLTx and the
' three bytes the interrupt entry always keeps; a handler that divides too
' needs three more, which the chip does not have.
DIM T[60] AS BYTE
DIM X AS BYTE
ON TIMER INTERRUPT CALL TICK
X = DIV10(X)
END
SUB TICK
T = DIV10(T)
END SUB
