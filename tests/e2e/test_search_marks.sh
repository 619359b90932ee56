#!/bin/bash
# Searching and marks in the running program: the find dialog driven by the
# keyboard finds, the replace dialog replaces one hit and then all, the jump
# and bracket commands move the caret, and line and string marks set through
# the automation object survive a save, closing and reopening the file
# through its attribute file.
source "$(dirname "$0")/lib.sh"
e2e_begin search_marks

vbs() {  # runs the given VBScript lines against the automation object
  { printf 'Set o = CreateObject("QUELT.AUTOINT")\r\n'; printf '%s\r\n' "$@"; } >"$E2E_WORK/step.vbs"
  run_vbs "$E2E_WORK/step.vbs"
}
hex() { xxd -p "$1" 2>/dev/null | tr -d '\n'; }
focus() {  # activates the titled window and waits for the keyboard focus
  local win
  win=$(xdotool search --name "$1" | head -1)
  [ -n "$win" ] && xdotool windowactivate --sync "$win" >/dev/null 2>&1
  sleep 0.5
}
caret() { vbs 'WScript.Echo o.GetLinePos() & "," & o.GetColumnPos()'; }

# 0. The engine's width folding against the platform's code page 932 one.
fold=$(probe widthfold)
check "the width folding agrees with _mbctombb ($(echo "$fold" | tail -1))" test "$(echo "$fold" | tail -1 | awk '{print $6}')" = 0
echo "$fold" | head -20 >"$E2E_WORK/widthfold.txt"

printf 'alpha foo beta\r\nFOO gamma foo\r\n(x [y] z)\r\nlast foo\r\n' >"$E2E_WORK/find.txt"
rm -f "$E2E_APP/quelt.cab"
quelt_start /Q "$(winpath "$E2E_WORK/find.txt")"
check "the file opens" wait_window "find.txt" 60
sleep 1

# 1. The find dialog: typed text, Enter finds down, the hit is selected and
# the caret stands after it; case is ignored unless asked for.
vbs 'o.SetCaretPos 0, 0' >/dev/null
probe command 57636 >/dev/null
check "the find dialog opens" wait_window "文字列の検索" 20
focus "文字列の検索"
xdotool type --delay 50 "foo"
xdotool key Return
sleep 0.5
expect_eq "the first hit" "0,9" "$(caret)"
xdotool key Return
sleep 0.5
expect_eq "the next hit ignores case" "1,3" "$(caret)"
# Match case on (Alt+C), then Enter: "FOO" is skipped.
xdotool key alt+c Return
sleep 0.5
expect_eq "with match case the upper-case text is skipped" "1,13" "$(caret)"
# Find previous (Alt+B) goes back to the hit before.
xdotool key alt+b
sleep 0.5
expect_eq "find previous" "0,9" "$(caret)"
xdotool key --clearmodifiers Escape
sleep 0.5
check "Escape closes the dialog" test -z "$(probe popups | grep '文字列の検索')"

# 2. The replace dialog: replace the selected hit and go on, then replace all.
vbs 'o.SetCaretPos 0, 0' >/dev/null
probe command 57641 >/dev/null
check "the replace dialog opens" wait_window "文字列の置換" 20
focus "文字列の置換"
# The search text comes from the history: "foo"; the direction is the last
# one (up, from find previous): Alt+D turns it down.
xdotool key alt+d alt+p
xdotool type --delay 50 "bar"
xdotool key Return
sleep 0.5
# Alt+R replaces the selected hit and selects the next one.
xdotool key alt+r
sleep 0.5
# Match case is still on: "FOO" is skipped.
expect_eq "replace goes on to the next hit" "1,13" "$(caret)"
xdotool key alt+a
sleep 1
expect_eq "replace all shows its count over the dialog" "2" "$(probe popups | grep -c '文字列の置換')"
xdotool key Return
sleep 0.5
expect_eq "the file after replacing" "Save=True" "$(vbs 'WScript.Echo "Save=" & o.FileSave()')"
sleep 0.5
expect_eq "every foo became bar, the first one by replace" \
  "alpha bar beta|FOO gamma bar|(x [y] z)|last bar|" "$(tr -d '\r' <"$E2E_WORK/find.txt" | tr '\n' '|')"
vbs 'o.Undo' >/dev/null
sleep 0.3
vbs 'o.FileSave' >/dev/null
sleep 0.3
expect_eq "one undo takes back replace all" "alpha bar beta|FOO gamma foo|(x [y] z)|last foo|" \
  "$(tr -d '\r' <"$E2E_WORK/find.txt" | tr '\n' '|')"

# 3. Bracket matching and the jump.
vbs 'o.SetCaretPos 0, 2' >/dev/null
probe command 32960 >/dev/null
sleep 0.3
expect_eq "the matching bracket" "2,8" "$(caret)"
probe command 32960 >/dev/null
sleep 0.3
expect_eq "and back" "2,0" "$(caret)"
(probe command 32788 >/dev/null &)
check "the jump dialog opens" wait_window "ｼﾞｬﾝﾌﾟ" 20
focus "ｼﾞｬﾝﾌﾟ"
xdotool type --delay 50 "4"
xdotool key Return
sleep 0.5
expect_eq "the jump goes to line 4" "3,0" "$(caret)"

# The tool bar's find box, down and up, with the last case flag (on).
probe findbox foo >/dev/null
probe command 32850 >/dev/null
sleep 0.3
expect_eq "the find box searches down" "3,8" "$(caret)"
probe command 33020 >/dev/null
sleep 0.3
expect_eq "and up" "1,13" "$(caret)"
probe findbox "$(printf 'f%.0s' $(seq 1 81))" >/dev/null
probe command 32850 >/dev/null
sleep 0.3
expect_eq "an 81-byte box text only beeps" "1,13" "$(caret)"

# 4. Marks: line 2 and the word "gamma", saved in find.ATR.
vbs 'o.SetCaretPos 0, 1' 'o.ToggleMarkedLine' >/dev/null
probe command 57636 >/dev/null
wait_window "文字列の検索" 20
focus "文字列の検索"
xdotool type --delay 50 "gamma"
xdotool key Return Escape
sleep 0.5
vbs 'o.ToggleMarkedWord' 'o.SetCaretPos 0, 3' >/dev/null
expect_eq "marks make the document modified" "Save=True" "$(vbs 'WScript.Echo "Save=" & o.FileSave()')"
sleep 0.5
check "the attribute file is written" test -f "$E2E_WORK/find.ATR"
expect_eq "its header" "Kav Quelt Attribute File 100" "$(head -c 28 "$E2E_WORK/find.ATR")"
# One line mark (the CR before line 2, offset 14), one string mark "gamma" at 20.
expect_eq "its content" "01000e00000001001400000067616d6d6100" "$(tail -c +31 "$E2E_WORK/find.ATR" | xxd -p | tr -d '\n')"
vbs 'o.FileClose' >/dev/null
sleep 0.5
vbs "o.FileOpen \"$(winpath "$E2E_WORK/find.txt")\"" >/dev/null
check "the file opens again" wait_window "find.txt" 30
sleep 0.5
expect_eq "the line mark came back" "1,0" "$(vbs 'o.SetCaretPos 0, 3' 'o.NextMarkedLine' 'WScript.Echo o.GetLinePos() & "," & o.GetColumnPos()')"
expect_eq "the string mark came back" "1,4" "$(vbs 'o.SetCaretPos 0, 3' 'o.NextMarkedWord' 'WScript.Echo o.GetLinePos() & "," & o.GetColumnPos()')"
# Removing every mark and saving removes the attribute file.
vbs 'o.ResetAllMarkedLine' 'o.ResetAllMarkedWord' 'o.FileSave' >/dev/null
sleep 0.5
check "without marks the attribute file is deleted" test ! -f "$E2E_WORK/find.ATR"

run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the program ends" wait_gone "$QUELT_PID" 30
kill -0 "$QUELT_PID" 2>/dev/null && { timeout 30 wineserver -k; wait_gone "$QUELT_PID" 10; }
rm -f "$E2E_APP/quelt.cab"
e2e_finish
