' Prints the caret position of the active view as "line column", 0-based.
Option Explicit
Dim o
Set o = CreateObject("QUELT.AUTOINT")
WScript.Echo o.GetLinePos & " " & o.GetColumnPos
