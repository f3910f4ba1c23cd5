' Each change of owner clears the watchdog first: the rate 1:2 may take the
' prescaler from the watchdog (after SET TIMER RATE TO 0), and SET TIMER
' RATE TO 0 may take it from the timer, with TMR0 and the prescaler cleared
' too. The watchdog may then get 1:1 or 1:2 (after 1:2 or 1:4): the
' prescaler passes through 1:128, with one more CLRWDT, and W gives the rate
' back.
ON TIMER INTERRUPT CALL TEMPO
SET TIMER RATE TO 1/2
SET TIMER RATE TO 0
END
SUB TEMPO
END SUB
