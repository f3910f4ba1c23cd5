x = asc('a'
END
