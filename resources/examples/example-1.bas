'Esempio n.1: Configurazione delle porte I/O
'===========================================

Config Line A0 AS Input
Config Line B5 AS Output

Dim X as Byte            'Dimensionamento var. X

Do                       'Inizio ciclo DO...LOOP    
  X = Input( A0 )        'Legge lo stato (1/0) della linea A0
  If X = 0 then
     Set B5              'Il Pin 11 (B5) = +5 Volt
  Else
     Reset B5            'Il Pin 11 (B5) = 0 Volt
  End If                 '
Loop                     'Chiude ciclo DO...LOOP
End
