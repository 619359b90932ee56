' Asks for QUELT.AUTOINT while no server runs, so that COM starts the
' registered local server itself, then closes it again.
Option Explicit
Dim o
Set o = CreateObject("QUELT.AUTOINT")
WScript.Echo "GetTabColumnCount=" & TypeName(o.GetTabColumnCount) & ":" & o.GetTabColumnCount
o.Exit
