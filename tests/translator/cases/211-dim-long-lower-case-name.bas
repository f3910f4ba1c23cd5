dim contatore_lungo, i as byte
END
