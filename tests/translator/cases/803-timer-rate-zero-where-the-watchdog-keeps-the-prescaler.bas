' With no timer handler and no rate from 1 to 8 the prescaler never leaves
' the watchdog, which holds it from reset: SET TIMER RATE TO 0 only sets the
' bit it already has, with no sequence around it.
SET TIMER RATE TO 0
END
