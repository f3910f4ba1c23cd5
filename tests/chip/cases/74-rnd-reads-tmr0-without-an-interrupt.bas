' RND reads TMR0, and needs no interrupt: before any timer statement TMR0
' counts edges on A4, as after reset, and with A4 still RND gives 0; after
' SET INTERNAL CLOCK it counts every instruction cycle (the prescaler stays
' with the watchdog), and two reads around WAIT 10 are 41 + 2 cycles apart.
' CYCLES 3000
' EXPECT A0 = 0
' EXPECT A1 = 0
' EXPECT C1 - C0 = 43
DIM A0 AS BYTE
DIM A1 AS BYTE
DIM C0 AS BYTE
DIM C1 AS BYTE
A0 = RND
WAIT 10
A1 = RND
SET INTERNAL CLOCK
C0 = RND
WAIT 10
C1 = RND
END
