  port   ' porta
END
