#!/bin/bash
# Editing through the real program: InsertString with Japanese and ASCII
# text, caret moves, undo and redo, saved with FileSaveAs; and Ctrl+C and
# Ctrl+V typed into the window.
source "$(dirname "$0")/lib.sh"
e2e_begin editing

quelt_start
check "the editor starts" wait_window "Kav Quelt" 60
out=$(run_vbs "$E2E_TESTS/edit.vbs" "$(winpath "$E2E_WORK/edited.txt")")
want='New=True
Pos=0,11
Char=620000 Type=1
CharJ=9300FA Type=2
Saved=True'
expect_eq "client output" "$want" "$out"
expect_eq "the saved bytes" "61626393fa967b78797a210d0a656e64" "$(xxd -p "$E2E_WORK/edited.txt" 2>/dev/null | tr -d '\n')"
run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the program ends" wait_gone "$QUELT_PID" 30

# Copy a word and paste it at the end of the line with the keyboard.
printf 'hello world\r\n' >"$E2E_WORK/keys.txt"
quelt_start /Q "$(winpath "$E2E_WORK/keys.txt")"
check "the file opens" wait_window "keys.txt" 60
sleep 1
win=$(xdotool search --name "keys.txt" | head -1)
# A click gives the edit window the keyboard focus.
xdotool mousemove --window "$win" 300 300 click 1
sleep 0.5
xdotool key --window "$win" ctrl+Home shift+Right shift+Right shift+Right shift+Right shift+Right ctrl+c End ctrl+v
sleep 1
printf 'Set o = CreateObject("QUELT.AUTOINT")\r\nWScript.Echo "Save=" & o.FileSave()\r\n' >"$E2E_WORK/save.vbs"
expect_eq "FileSave" "Save=True" "$(run_vbs "$E2E_WORK/save.vbs")"
sleep 1
expect_eq "Ctrl+C and Ctrl+V copied and pasted" "hello worldhello" "$(tr -d '\r\n' <"$E2E_WORK/keys.txt")"
run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the keyboard run ends" wait_gone "$QUELT_PID" 30
e2e_finish
