if x = 1 then: y = 2
END
