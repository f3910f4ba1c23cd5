x = 1
stop
