X = 1
END
