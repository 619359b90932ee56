#!/bin/bash
# The automation object of the real program, driven by a VBScript client:
# COM starts the registered server, the client opens two files, closes one
# and exits, and the process ends.
source "$(dirname "$0")/lib.sh"
e2e_begin automation

printf 'one\r\n' >"$E2E_WORK/one.txt"
printf 'two\r\n' >"$E2E_WORK/two.txt"
(cd "$E2E_APP" && timeout 60 wine "$E2E_APP/quelt.exe" /RegServer)
check "/RegServer ends at once" test $? -eq 0
check "the class is registered" bash -c "timeout 60 wine reg query 'HKCU\\Software\\Classes\\QUELT.AUTOINT\\CLSID' | grep -q '{'"
check "/RegServer wrote no settings" test ! -f "$E2E_APP/quelt.INI"

out=$(run_vbs "$E2E_TESTS/files.vbs" "$(winpath "$E2E_WORK/one.txt")" "$(winpath "$E2E_WORK/two.txt")" \
  "$(winpath "$E2E_WORK/missing.txt")")
want='FileOpen1=True
FileOpen2=True
FileOpenMissing=False
FileClose=True
Tab=4
Insert=True
Insert=False
Thick=True
TabToSpace=True
Columns9=False
Columns250=True
Done'
expect_eq "client output" "$want" "$out"
check "one.txt is active again after two.txt was closed" wait_window "one.txt" 10
check "two.txt was closed" bash -c "! xdotool search --name 'two.txt' >/dev/null"
expect_eq "FileNew" "FileNew=True" "$(printf 'Set o = CreateObject("QUELT.AUTOINT")\r\nWScript.Echo "FileNew=" & o.FileNew()\r\n' >"$E2E_WORK/new.vbs"; run_vbs "$E2E_WORK/new.vbs")"
check "FileNew opened an untitled document" wait_window "無題" 10
# The bars follow a change made through the automation object at once: an
# insertion enables Undo on the tool bar and moves the caret panes; its
# undo greys Undo again and puts the line pane back; the overwrite mode
# shows in its pane.
printf 'Set o = CreateObject("QUELT.AUTOINT")\r\no.InsertString "abc" & vbCrLf & "de", 7\r\n' >"$E2E_WORK/state1.vbs"
run_vbs "$E2E_WORK/state1.vbs" >/dev/null
expect_eq "Undo is enabled right after an automation insertion" "enabled" "$(probe buttonstate 57643)"
expect_eq "the line pane shows the caret's new line right after" "2" "$(probe pane 1 | tr -dc '0-9' | sed 's/^0*//')"
printf 'Set o = CreateObject("QUELT.AUTOINT")\r\no.Undo\r\no.SetInsertMode False\r\n' >"$E2E_WORK/state2.vbs"
run_vbs "$E2E_WORK/state2.vbs" >/dev/null
expect_eq "Undo is greyed right after the automation undo" "grayed" "$(probe buttonstate 57643)"
expect_eq "the line pane is back on line 1" "1" "$(probe pane 1 | tr -dc '0-9' | sed 's/^0*//')"
expect_eq "the overwrite pane shows the mode set through the object" "上書" "$(probe pane 7 | sed 's/ *$//')"
# Saved, so that the exit asks nothing.
printf 'Set o = CreateObject("QUELT.AUTOINT")\r\no.SetInsertMode True\r\no.FileSaveAs "%s"\r\n' \
  "$(winpath "$E2E_WORK/state.txt")" >"$E2E_WORK/state3.vbs"
run_vbs "$E2E_WORK/state3.vbs" >/dev/null
expect_eq "the overwrite pane empties when insert mode is set back" "" "$(probe pane 7 | sed 's/ *$//')"
run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
for _ in $(seq 1 120); do quelt_running || break; sleep 0.25; done
check "the server process ended" eval '! quelt_running'
e2e_finish
