' SET INIT TIMER TO 34 gives the value TMR0 restarts from after each
' overflow, not its start: TMR0 starts from 0, so the first period is the
' full 256 counts (of 256 cycles each, the prescaler at 1:256) and the later
' ones 256 - 34 = 222 counts. S and M read TMR0 at the start and after the
' first call; N1 and N2 count loops of about 1030 cycles before the first
' call (65,562 cycles) and between the first and the second (56,853).
' CYCLES 130000
' EXPECT S < 34            ' not loaded at the start
' EXPECT M >= 34           ' loaded after the first overflow
' EXPECT N1 >= 62          ' 65562 / 1030 is 63.6; 222 counts would be 55
' EXPECT N1 <= 65
' EXPECT N2 >= 54          ' 56853 / 1030 is 55.2
' EXPECT N2 <= 57
' EXPECT T = 2
DIM T AS BYTE
DIM S AS BYTE
DIM M AS BYTE
DIM N1 AS BYTE
DIM N2 AS BYTE
ON TIMER INTERRUPT CALL TICK
SET INIT TIMER TO 34
S = RND
PRIMA:
IF T = 0 THEN
WAIT 255
N1 = N1 + 1
GOTO PRIMA
END IF
M = RND
DOPO:
IF T = 1 THEN
WAIT 255
N2 = N2 + 1
GOTO DOPO
END IF
GIRO:
GOTO GIRO
END
SUB TICK
T = T + 1
END SUB
