DATA 1, "", 2
END
