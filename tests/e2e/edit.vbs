' Types Japanese and ASCII text with InsertString, moves, undoes and redoes,
' and saves the result under the path given as the first argument. The
' Japanese text comes from edit_text.txt (UTF-16, one line), because cscript
' reads scripts in the system code page.
Option Explicit
Dim o, fso, f, jp
Set fso = CreateObject("Scripting.FileSystemObject")
Set f = fso.OpenTextFile(fso.BuildPath(fso.GetParentFolderName(WScript.ScriptFullName), _
    "edit_text.txt"), 1, False, -1)
jp = f.ReadLine
f.Close
Set o = CreateObject("QUELT.AUTOINT")
WScript.Echo "New=" & o.FileNew()
o.InsertString "abc", 3
o.InsertString jp, 4
o.InsertString "xyz" & Chr(13) & "!", 5
WScript.Echo "Pos=" & o.GetLinePos() & "," & o.GetColumnPos()
o.MoveCaret 16
o.InsertString "<", 1
o.Undo
o.Undo
o.Redo
o.MoveCaret 17
o.InsertString Chr(13) & Chr(10) & "end", 5
o.MoveCaret 16
o.MoveCaret 4
WScript.Echo "Char=" & Hex(o.GetChar()) & " Type=" & o.GetCharType()
o.SetCaretPos 3, 0
WScript.Echo "CharJ=" & Hex(o.GetChar()) & " Type=" & o.GetCharType()
WScript.Echo "Saved=" & o.FileSaveAs(WScript.Arguments(0))
