x = asc('xy')
END
