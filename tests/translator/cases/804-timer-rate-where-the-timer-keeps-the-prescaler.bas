' With a timer handler the start-up takes the prescaler from the watchdog
' (CLRWDT first); with no SET TIMER RATE TO 0 it stays with the timer, and
' the rates from 1 to 8 change only its rate: no CLRWDT in them.
ON TIMER INTERRUPT CALL TEMPO
SET TIMER RATE TO 3
SET TIMER RATE TO 1/256
END
SUB TEMPO
END SUB
