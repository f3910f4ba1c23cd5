x = 1: @ciclo: y = 2
END
