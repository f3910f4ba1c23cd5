@ciclo:
END
