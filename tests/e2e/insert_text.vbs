' Inserts at the caret of the active document the first line of the UTF-16
' file named first, as InsertString with the byte count given second: cscript
' reads scripts in the system code page and Wine's has no ChrW.
Option Explicit
Dim o, fso, f, text
Set fso = CreateObject("Scripting.FileSystemObject")
Set f = fso.OpenTextFile(WScript.Arguments(0), 1, False, -1)
text = f.ReadLine
f.Close
Set o = CreateObject("QUELT.AUTOINT")
o.InsertString text, CLng(WScript.Arguments(1))
