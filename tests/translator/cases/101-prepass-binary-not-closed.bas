x = b'1010
END
