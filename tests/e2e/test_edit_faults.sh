#!/bin/bash
# Faults of the edit window, driven as a user would: typing over a selection
# in overwrite mode, Enter in overwrite mode, the key that stops automatic
# scrolling, paste without "DeleteSelectionAtInput", the wrap point, undo
# under write protection, a display font that is no Shift-JIS font, the
# cabinet's window placements at start-up, dragging the selection.
source "$(dirname "$0")/lib.sh"
e2e_begin edit_faults

gen() { python3 "$E2E_TESTS/make_cabinet.py" "$@"; }
vbs() {  # runs the given VBScript lines against the automation object
  { printf 'Set o = CreateObject("QUELT.AUTOINT")\r\n'; printf '%s\r\n' "$@"; } >"$E2E_WORK/step.vbs"
  run_vbs "$E2E_WORK/step.vbs"
}
hex() { xxd -p "$1" 2>/dev/null | tr -d '\n'; }
focus() {  # gives the edit window of the titled document the keyboard focus
  local win
  win=$(xdotool search --name "$1" | head -1)
  xdotool windowactivate --sync "$win" >/dev/null 2>&1
  xdotool mousemove --window "$win" 400 400 click 1
  sleep 0.3
}
quit() {
  run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
  check "$1 ends" wait_gone "$QUELT_PID" 30
  # A run left hanging must not answer the next run's automation calls.
  kill -0 "$QUELT_PID" 2>/dev/null && { timeout 30 wineserver -k; wait_gone "$QUELT_PID" 10; }
  # The next run starts without this run's documents.
  rm -f "$E2E_APP/quelt.cab"
}

# 1. Typing, Enter, scrolling and the wrap point in one run.
printf 'abcdef\r\n' >"$E2E_WORK/type.txt"
{ for i in $(seq 1 120); do printf 'line %d\r\n' "$i"; done; } >"$E2E_WORK/scroll.txt"
printf '0123456789xyz\r\n' >"$E2E_WORK/wrap.txt"
quelt_start /Q "$(winpath "$E2E_WORK/type.txt")"
check "the typing file opens" wait_window "type.txt" 60
sleep 1
focus "type.txt"
# "bc" selected, overwrite mode, X typed: the selection is replaced.
xdotool key ctrl+Home Right shift+Right shift+Right Insert X
sleep 0.5
expect_eq "typing over a selection in overwrite mode" "Save=True" "$(vbs 'WScript.Echo "Save=" & o.FileSave()')"
sleep 0.5
expect_eq "overwrite mode types in place of the selection" "aXdef" "$(tr -d '\r\n' <"$E2E_WORK/type.txt")"
# Enter in overwrite mode on the first of two lines only moves the caret.
vbs 'o.MoveCaret 16' 'o.InsertString "ghi" & Chr(13) & Chr(10), 5' 'o.MoveCaret 16' 'o.SetCaretPos 1, 0' >/dev/null
xdotool key Return
sleep 0.5
expect_eq "Enter in overwrite mode goes to the next line" "1,0,False" \
  "$(vbs 'WScript.Echo o.GetLinePos() & "," & o.GetColumnPos() & "," & o.IsInsertMode()')"
vbs 'o.FileSave' >/dev/null
sleep 0.5
expect_eq "Enter in overwrite mode changes nothing" "ghiaXdef" "$(tr -d '\r\n' <"$E2E_WORK/type.txt")"
vbs 'o.SetInsertMode True' >/dev/null

# Automatic scrolling: the key that stops it types nothing.
vbs "o.FileOpen \"$(winpath "$E2E_WORK/scroll.txt")\"" >/dev/null
check "the scrolling file opens" wait_window "scroll.txt" 30
focus "scroll.txt"
xdotool key ctrl+Home ctrl+shift+Down
sleep 2
before=$(vbs 'WScript.Echo o.GetLinePos()')
xdotool key q
sleep 1
after=$(vbs 'WScript.Echo o.GetLinePos()')
check "automatic scrolling moved the caret" test "${before:-0}" -gt 10
expect_eq "the stopping key stops the scrolling" "$before" "$after"
xdotool key ctrl+End
vbs 'o.FileSave' >/dev/null
sleep 0.5
check "the stopping key is not typed" bash -c "! grep -q q '$E2E_WORK/scroll.txt'"

# The wrap point: Right from the last character of a wrapped line goes to
# the next line's first character; where End stands there is no character.
vbs "o.FileOpen \"$(winpath "$E2E_WORK/wrap.txt")\"" >/dev/null
check "the wrap file opens" wait_window "wrap.txt" 30
out=$(vbs 'WScript.Echo o.SetColumnCount(10)' 'o.SetCaretPos 9, 0' 'o.MoveCaret 4' \
  'WScript.Echo o.GetLinePos() & "," & o.GetColumnPos() & "," & o.GetChar()' \
  'o.SetCaretPos 0, 0' 'o.MoveCaret 1' 'WScript.Echo o.GetColumnPos() & "," & o.GetChar() & "," & o.GetCharType()')
expect_eq "the wrap point" $'-1\n1,0,7864320\n10,0,0' "$out"

# Undo stays enabled under write protection; the undo itself is refused.
vbs 'o.MoveCaret 17' 'o.InsertString "z", 1' >/dev/null
probe command 32789 >/dev/null
sleep 0.5
expect_eq "undo is enabled under write protection" "enabled" "$(probe buttonstate 57643)"
expect_eq "redo is greyed with nothing to redo" "grayed" "$(probe buttonstate 57644)"
end_pos() { vbs 'o.MoveCaret 17' 'WScript.Echo o.GetLinePos() & "," & o.GetColumnPos()'; }
expect_eq "the inserted z stands on the third display line" "2,1" "$(end_pos)"
vbs 'o.Undo' >/dev/null
expect_eq "the protected document refuses the undo" "2,1" "$(end_pos)"
probe command 32789 >/dev/null
sleep 0.5
vbs 'o.Undo' >/dev/null
expect_eq "without protection the undo runs" "1,5" "$(end_pos)"
vbs 'o.FileSave' >/dev/null
quit "the first run"

# 2. Paste with "DeleteSelectionAtInput" off keeps the selection's text.
printf '[Settings]\r\nDeleteSelectionAtInput=0\r\n' >"$E2E_APP/quelt.INI"
printf 'hello world\r\n' >"$E2E_WORK/paste.txt"
quelt_start /Q "$(winpath "$E2E_WORK/paste.txt")"
check "the paste file opens" wait_window "paste.txt" 60
sleep 1
focus "paste.txt"
xdotool key ctrl+Home shift+Right shift+Right shift+Right shift+Right shift+Right ctrl+c Right shift+Right ctrl+v
sleep 0.5
vbs 'o.FileSave' >/dev/null
sleep 0.5
# With the setting off the selected "w" stays and the paste goes to the caret.
expect_eq "paste keeps the selection without DeleteSelectionAtInput" "hello whelloorld" \
  "$(tr -d '\r\n' <"$E2E_WORK/paste.txt")"
quit "the paste run"
rm -f "$E2E_APP/quelt.INI"

# 3. A display font that is no Shift-JIS font: a byte 0x85 before CR LF
# ("café…" in code page 1252; a lead byte in Shift-JIS) keeps its line end
# and is saved unchanged.
printf 'caf\xe9\x85\r\nnext\r\n' >"$E2E_WORK/latin.txt"
gen v0 "$E2E_WORK/latin.cab" --font "Courier New" --charset 0
quelt_start /Q "/A=$(winpath "$E2E_WORK/latin.cab")" "$(winpath "$E2E_WORK/latin.txt")"
check "the code page 1252 file opens" wait_window "latin.txt" 60
sleep 1
out=$(vbs 'o.MoveCaret 16' 'o.MoveCaret 1' 'WScript.Echo o.GetColumnPos() & "," & o.GetChar()' 'o.InsertString "!", 1' \
  'WScript.Echo o.FileSave()')
expect_eq "the line ends on its CR, after five one-byte characters" $'5,851978\n-1' "$out"
sleep 0.5
expect_eq "the saved bytes" "636166e985210d0a6e6578740d0a" "$(hex "$E2E_WORK/latin.txt")"
quit "the font run"

# 4. A cabinet that reopens its windows keeps their placements.
printf 'one\r\n' >"$E2E_WORK/one.txt"
printf 'two\r\n' >"$E2E_WORK/two.txt"
gen v0 "$E2E_WORK/windows.cab" --entry "$(winpath "$E2E_WORK/one.txt")" --entry "$(winpath "$E2E_WORK/two.txt")"
quelt_start /Q "/A=$(winpath "$E2E_WORK/windows.cab")"
check "the cabinet's second window opens" wait_window "two.txt" 60
sleep 1
expect_eq "no window is maximised over the stored placements" $'N one.txt\nN two.txt' \
  "$(probe states | sed 's/ [^ ]*[\\]/ /' | sort)"
quit "the cabinet run"
expect_eq "the stored show states stay normal" "1 1" \
  "$(gen dump "$E2E_WORK/windows.cab" | awk -F= '$1 == "show0" || $1 == "show1" { printf "%s ", $2 }' | sed 's/ $//')"

e2e_finish
