' Up counts the rising edges of A4 (bit 4 clear), Down the falling ones.
SET TIMER EDGE UP
SET TIMER EDGE DOWN
END
