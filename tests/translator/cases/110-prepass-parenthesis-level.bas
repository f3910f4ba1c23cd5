x = (a + 1
END
