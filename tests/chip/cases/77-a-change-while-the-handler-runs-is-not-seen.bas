' A handler clears its flag (the port-change one after reading port B) when
' it ends, so what happens on its line while it runs (about 800 cycles of
' WAIT 200) calls it no more: B0 rises at 2000 and again at 2400, B4 rises
' and falls back within the run at 10000; each handler runs once for it,
' then once more for a change that comes after it has ended.
' CYCLES 20000
' PIN B0 0 2000 1 2200 0 2400 1 2500 0 6000 1 6100 0
' PIN B4 0 10000 1 10300 0 14000 1 14300 0
' EXPECT E = 2
' EXPECT L = 2
DIM E AS BYTE
DIM L AS BYTE
ON EXTERNAL INTERRUPT CALL ESTERNA
ON LINE INTERRUPT CALL LINEA
GIRO:
GOTO GIRO
END
SUB ESTERNA
E = E + 1
WAIT 200
END SUB
SUB LINEA
L = L + 1
WAIT 200
END SUB
