' Walks the active document from its top with MoveCaret Right and prints
' every character GetChar reports, as hex bytes, until the caret stops.
' Beyond the end of a line (free cursor) it goes on with the next line.
Option Explicit
Dim o, out, c, t, lastLine, lastCol, steps
Set o = CreateObject("QUELT.AUTOINT")
o.MoveCaret 16
out = ""
steps = 0
Do
  t = o.GetCharType()
  c = o.GetChar()
  If t = 0 Then
    ' Past the end of a line (free cursor): on to the next line, if any.
    lastLine = o.GetLinePos()
    o.MoveCaret 6
    o.MoveCaret 0
    If o.GetLinePos() = lastLine Then Exit Do
    t = o.GetCharType()
    c = o.GetChar()
    If t = 0 Then Exit Do
  End If
  If t = 2 Then
    out = out & Right("0" & Hex(c \ 65536), 2) & Right("0" & Hex(c Mod 65536), 2)
  Else
    out = out & Right("0" & Hex(c \ 65536), 2)
  End If
  lastLine = o.GetLinePos()
  lastCol = o.GetColumnPos()
  o.MoveCaret 4
  steps = steps + 1
  If steps > 5000 Then Exit Do
  If o.GetLinePos() = lastLine And o.GetColumnPos() = lastCol Then Exit Do
Loop
WScript.Echo out
