' "ANCORA: GOTO INIZIO" jumps to the label before it: the program must spin
' there, at address 5, and never reach the assignment it skipped nor the
' SLEEP of END (addresses 0 to 4 hold the lines before it).
' CYCLES 3000
' EXPECT X = 7
' EXPECT REG(&H02) = 5     ' PCL
DIM X AS BYTE
X = 7
GOTO ANCORA
X = 9
INIZIO:
ANCORA:
GOTO INIZIO
END
