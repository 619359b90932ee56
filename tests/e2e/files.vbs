' Opens the two files named on the command line, closes the second, checks a
' file that does not exist and reads and sets the process-wide modes.
Option Explicit
Dim o, a
Set a = WScript.Arguments
Set o = CreateObject("QUELT.AUTOINT")
WScript.Echo "FileOpen1=" & o.FileOpen(a(0))
WScript.Echo "FileOpen2=" & o.FileOpen(a(1))
WScript.Echo "FileOpenMissing=" & o.FileOpen(a(2))
WScript.Echo "FileClose=" & o.FileClose()
WScript.Echo "Tab=" & o.GetTabColumnCount()
WScript.Echo "Insert=" & o.IsInsertMode()
o.SetInsertMode False
WScript.Echo "Insert=" & o.IsInsertMode()
o.SetThickCaretMode True
WScript.Echo "Thick=" & o.IsThickCaretMode()
o.SetTabToSpaceMode True
WScript.Echo "TabToSpace=" & o.IsTabToSpaceMode()
WScript.Echo "Columns9=" & o.SetColumnCount(9)
WScript.Echo "Columns250=" & o.SetColumnCount(250)
WScript.Echo "Done"
