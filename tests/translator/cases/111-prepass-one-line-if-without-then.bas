if x = 1 goto fine
END
