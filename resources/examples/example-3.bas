'   +-------------------------+
'   |   Esempio n.3           |
'   |   Interrupt su B0/INT   |
'   |   Piedino integrato 6   |
'   +-------------------------+

On External Interrupt Call LED_On_Off

Config Port A as output
Config Port B as Input

Dim x As Byte
Dim y As Byte
Dim StatoLED As Byte

StatoLED = 0
Do
  Set A0
  Call Pausa
  Reset A0
  Call Pausa
Loop
End

'+------------------------------------------------------------------+
'|   La procedura che segue viene richiamata ogni volta che un si   |
'|   presenta un'interrupt esterna, interrupt su B0/INT.            |
'+------------------------------------------------------------------+
Sub LED_On_Off
    If StatoLED = 0 Then
       Set A1
       StatoLED = 1
    Else
       Reset A1
       StatoLED = 0
    End If
End Sub

'+------------------------------------------------------------------+
'|   La procedura che segue ha l'effetto di rallentare il programma |
'|   in modo da vedere i LED lampeggiare                            |
'+------------------------------------------------------------------+
Sub Pausa
For x = 0 To 100
  For y = 0 To 200
    Wait   'Esegue una NOP
  Next y
Next x
End Sub
