'+------------------------------------------------------------------------+
'|                                                                        |
'| Esempio n.4                                                            |
'| Il programma intercetta lo stato elettrico delle linee A0,A1,A2,A3,A4  |
'| e codifica gli stati logici in un numero binario a 8 bit,ossia:        |
'|                                                                        |
'|                    X = 2^A4 + 2^A3 + 2^A2 + 2^A1 + 2^A0                |
'|                                                                        |
'+------------------------------------------------------------------------+
'
Config Port A as Input
Config Port B as Output

Dim X As Byte

Do

   X = 0
   If Input(A0) = 1 Then X = X +  1
   If Input(A1) = 1 Then X = X +  2
   If Input(A2) = 1 Then X = X +  4
   If Input(A3) = 1 Then X = X +  8
   If Input(A4) = 1 Then X = X + 16
   Output B , X

   If X = 27 Then Break  'Codice ESCape

Loop

End
