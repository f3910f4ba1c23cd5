line
END
