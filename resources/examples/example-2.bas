'Esempio n.2: Lettura della memoria EEPROM-DATI
'==============================================

Config Port A as Input   'Configura la porta A come input
Config Port B as Input   'Configura la porta B come input

Dim X as Byte
Dim Y as Byte

X=0
Do While X <= 10         'Inizio ciclo DO...LOOP    
   Y = Read( X )         'Legge memoria EEPROM-DATI  
   if Y = 0 then Break
   X = X + 1
Loop
End
