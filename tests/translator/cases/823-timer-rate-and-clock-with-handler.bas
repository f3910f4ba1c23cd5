' With a timer handler, also one declared further on, the rate and clock
' statements switch the timer interrupt back on.
SET TIMER RATE TO 1/8
SET TIMER RATE TO 0
SET INTERNAL CLOCK
SET EXTERNAL CLOCK
ON TIMER INTERRUPT CALL TEMPO
END
SUB TEMPO
END SUB
