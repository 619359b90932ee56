' Drives QUELT.AUTOINT through all of its methods and prints what came back
' as "Name=Type:Value" lines. cscript reads a script in the system code page
' (and Wine's has no ChrW), so the Japanese texts come from client_text.txt,
' UTF-16LE with a byte-order mark: "Japan" (2 characters), "word" and the
' half-width katakana A, one a line.
Option Explicit

Dim o, fso, texts, jp, word, kanaA, col, lin
Set fso = CreateObject("Scripting.FileSystemObject")
Set texts = fso.OpenTextFile(fso.BuildPath(fso.GetParentFolderName(WScript.ScriptFullName), _
    "client_text.txt"), 1, False, -1)
jp = texts.ReadLine
word = texts.ReadLine
kanaA = texts.ReadLine
texts.Close
WScript.Echo "Texts=" & Len(jp) & Len(word) & Len(kanaA)

Sub Show(name, value)
  WScript.Echo name & "=" & TypeName(value) & ":" & CStr(value)
End Sub

Sub ShowErr(name)
  WScript.Echo name & "=Err:" & Err.Number
  Err.Clear
End Sub

Set o = CreateObject("QUELT.AUTOINT")

o.MoveCaret 4
o.MoveCaret 99
Show "IsInsertMode", o.IsInsertMode
o.SetInsertMode False
Show "IsInsertMode", o.IsInsertMode()
Show "IsTabToSpaceMode", o.IsTabToSpaceMode
o.SetTabToSpaceMode 1
Show "IsTabToSpaceMode", o.IsTabToSpaceMode
Show "GetColumnPos", o.GetColumnPos
Show "GetColumnBasePos", o.GetColumnBasePos
Show "GetLinePos", o.GetLinePos
Show "GetTabColumnCount", o.GetTabColumnCount
Show "GetChar", o.GetChar
o.HideCaret
o.Undo
o.Redo
o.SetCaretPos 3, 100000
col = 5
lin = "7"
o.SetCaretPos col, lin
o.ReplaceTabWithSpace
o.ShowCaret
o.SetThickCaretMode True
Show "IsThickCaretMode", o.IsThickCaretMode
Show "GetCharType", o.GetCharType
o.InsertString "ab" & jp, 5
o.InsertString "ab" & jp, 100
o.InsertString "x", -3
o.InsertString kanaA & vbCr & "z", 3
Show "SetColumnCount", o.SetColumnCount(80)
Show "SetColumnCount", o.SetColumnCount(9)
Show "FileNew", o.FileNew
Show "FileOpen", o.FileOpen("C:\" & jp & word & ".txt")
Show "FileSave", o.FileSave
Show "FileSaveAs", o.FileSaveAs("D:\a.txt")
Show "FileClose", o.FileClose()
o.DeleteString
o.ResetSelection
o.ToggleMarkedLine
o.NextMarkedLine
o.PrevMarkedLine
o.ResetAllMarkedLine
o.ToggleMarkedWord
o.NextMarkedWord
o.PrevMarkedWord
o.ResetAllMarkedWord
o.PlayOperation jp
Show "getlinepos", o.getlinepos
o.FILENEW

' A second object is served by the same running editor.
Dim o2
Set o2 = CreateObject("QUELT.AUTOINT")
Show "SecondObject", o2.GetTabColumnCount
Set o2 = Nothing

On Error Resume Next
o.NoSuchMethod
ShowErr "NoSuchMethod"
o.SetCaretPos 1
ShowErr "SetCaretPosOneArg"
o.MoveCaret "abc"
ShowErr "MoveCaretText"
o.GetColumnPos = 3
ShowErr "AssignGetColumnPos"
On Error GoTo 0

o.Exit
WScript.Echo "Done"
