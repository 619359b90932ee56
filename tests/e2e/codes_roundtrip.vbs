' Opens each file named first of a pair and saves it under the name second
' of the pair, then closes it: "<n>=<opened>,<saved>,<closed>" a line.
Option Explicit
Dim o, a, i, line
Set a = WScript.Arguments
Set o = CreateObject("QUELT.AUTOINT")
For i = 0 To a.Count - 2 Step 2
  line = CStr(i \ 2) & "=" & o.FileOpen(a(i))
  line = line & "," & o.FileSaveAs(a(i + 1))
  line = line & "," & o.FileClose()
  WScript.Echo line
Next
WScript.Echo "Done"
