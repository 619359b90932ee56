' Asks the running editor to close its main window, as a user would.
Option Explicit
Dim o
Set o = CreateObject("QUELT.AUTOINT")
o.Exit
