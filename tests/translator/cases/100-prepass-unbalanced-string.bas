x = 1
write "ciao, 0
END
