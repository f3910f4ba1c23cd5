' A source's flag is raised by its event also while the source is switched
' off: SET EXTERNAL INTERRUPT ON clears it first, so that an edge on B0 made
' while the interrupt was off does not call the routine when it is switched
' on again. The edge after that calls it.
' CYCLES 8000
' PIN B0 0 1000 1 1100 0 5000 1 5100 0
' EXPECT E0 = 0            ' before SET EXTERNAL INTERRUPT ON
' EXPECT E1 = 0            ' right after it: the edge at cycle 1000 is not seen
' EXPECT E = 1             ' the edge at cycle 5000
DIM E AS BYTE
DIM E0 AS BYTE
DIM E1 AS BYTE
ON EXTERNAL INTERRUPT CALL EST
SET EXTERNAL INTERRUPT OFF
E = 0
WAIT 255
WAIT 255
E0 = E
SET EXTERNAL INTERRUPT ON
E1 = E
GIRO:
GOTO GIRO
END
SUB EST
E = E + 1
END SUB
