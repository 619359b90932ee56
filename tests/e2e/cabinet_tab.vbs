' Prints the tab width of the current cabinet.
Option Explicit
Dim o
Set o = CreateObject("QUELT.AUTOINT")
WScript.Echo o.GetTabColumnCount()
