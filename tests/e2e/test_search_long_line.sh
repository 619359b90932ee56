#!/bin/bash
# Regular expressions on a long line in the running program: ".*x" and
# "a*a*b" over a line of 200,000 characters come back at once (no hit, the
# caret stays), and ".*b" then finds its hit on the next line; the window
# answers the automation object right after each.
source "$(dirname "$0")/lib.sh"
e2e_begin search_long_line

vbs() {
  { printf 'Set o = CreateObject("QUELT.AUTOINT")\r\n'; printf '%s\r\n' "$@"; } >"$E2E_WORK/step.vbs"
  run_vbs "$E2E_WORK/step.vbs"
}
caret() { vbs 'WScript.Echo o.GetLinePos() & "," & o.GetColumnPos()'; }

python3 -c "import sys; open(sys.argv[1], 'wb').write(b'a' * 200000 + b'\r\ntail b\r\n')" "$E2E_WORK/long.txt"
rm -f "$E2E_APP/quelt.cab"
quelt_start /Q "$(winpath "$E2E_WORK/long.txt")"
check "the file opens" wait_window "long.txt" 60
sleep 1
vbs 'o.SetCaretPos 0, 0' >/dev/null
probe command 57636 >/dev/null
check "the find dialog opens" wait_window "文字列の検索" 20
win=$(xdotool search --name "文字列の検索" | head -1)
xdotool windowactivate --sync "$win" >/dev/null 2>&1
sleep 0.5
# Alt+X: regular expressions on.
xdotool type --delay 50 ".*x"
xdotool key alt+x Return
start=$SECONDS
expect_eq "no hit for .*x: the caret stays" "0,0" "$(caret)"
check "the search for .*x ended at once ($((SECONDS - start)) s)" test $((SECONDS - start)) -le 10
xdotool windowactivate --sync "$win" >/dev/null 2>&1
xdotool key alt+n ctrl+a BackSpace
xdotool type --delay 50 "a*a*b"
xdotool key Return
start=$SECONDS
# (The long line wraps over many display lines: the hit's line is the
# one after them, its column 6.)
at=$(caret)
check "the hit of a*a*b is the b of the next line ($at)" grep -qE '^[1-9][0-9]*,6$' <<<"$at"
check "the search for a*a*b ended at once ($((SECONDS - start)) s)" test $((SECONDS - start)) -le 10
vbs 'o.SetCaretPos 0, 0' >/dev/null
xdotool windowactivate --sync "$win" >/dev/null 2>&1
xdotool key alt+n ctrl+a BackSpace
xdotool type --delay 50 ".*b"
xdotool key Return
start=$SECONDS
at2=$(caret)
check "the hit of .*b is the next line up to its b ($at2)" test "$at2" = "$at"
check "the search for .*b ended at once ($((SECONDS - start)) s)" test $((SECONDS - start)) -le 10
xdotool key --clearmodifiers Escape
vbs 'o.Exit' >/dev/null
wait_gone "$QUELT_PID" 30
e2e_finish
