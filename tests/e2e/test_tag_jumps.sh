#!/bin/bash
# Tag jumps from result lines: the current tag opens the named file with the
# caret on the line; next and previous walk the result document while the
# opened file is active, beeping once at the last line before wrapping to
# the first; the tag window brings the result document back; a double
# click on a result line jumps too.
source "$(dirname "$0")/lib.sh"
e2e_begin tag_jumps

active() { probe titles | sed -n 's/^A //p'; }
# The caret's line, 1-based (the automation object counts from 0).
line_pos() { echo $(( $(vbs 'WScript.Echo o.GetLinePos') + 1 )); }

printf 'one\r\ntwo\r\nthree\r\nfour\r\n' >"$E2E_WORK/target.txt"
printf 'alpha\r\nbeta\r\n' >"$E2E_WORK/other.txt"
target=$(winpath "$E2E_WORK/target.txt")
other=$(winpath "$E2E_WORK/other.txt")
printf '%s(3): three\r\n%s(2): beta\r\nnot a result line\r\n%s(1): one\r\n' "$target" "$other" "$target" \
  >"$E2E_WORK/results.txt"

quelt_start /Q "$(winpath "$E2E_WORK/results.txt")"
check "the result list opens" wait_window "results.txt" 60
sleep 1

probe command 32785 >/dev/null
check "the current tag opens the named file" wait_window "target.txt" 20
sleep 0.5
expect_eq "the jumped-to file is active" "target.txt" "$(active | grep -o 'target.txt')"
expect_eq "the caret is on the named line" "3" "$(line_pos)"

# Next and previous keep walking the result list from the opened file.
probe command 32786 >/dev/null
check "the next tag opens the second file" wait_window "other.txt" 20
sleep 0.5
expect_eq "its line" "2" "$(line_pos)"
probe command 32786 >/dev/null   # the line that names no file: a beep
sleep 0.3
expect_eq "a line naming no file leaves the active window" "other.txt" "$(active | grep -o 'other.txt')"
probe command 32786 >/dev/null
sleep 0.5
expect_eq "the last result jumps back into the first file" "target.txt" "$(active | grep -o 'target.txt')"
expect_eq "at line 1" "1" "$(line_pos)"
probe command 32786 >/dev/null   # the last line: only a beep, and the wrap is armed
sleep 0.3
expect_eq "at the last line next only beeps" "1" "$(line_pos)"
probe command 32786 >/dev/null
sleep 0.5
expect_eq "the next press wraps to the first result" "3" "$(line_pos)"
probe command 32787 >/dev/null   # previous from the first line: a beep
sleep 0.3
probe command 32787 >/dev/null   # then the last line
sleep 0.5
expect_eq "previous wraps to the last result" "1" "$(line_pos)"

# The tag window brings back the result list.
probe command 32815 >/dev/null
sleep 0.5
expect_eq "the tag window activates the result list" "results.txt" "$(active | grep -o 'results.txt')"

# A double click on the second result line.
probe command 32786 >/dev/null
sleep 0.5
probe command 32815 >/dev/null
sleep 0.5
vbs 'o.SetCaretPos 1, 1' >/dev/null
read -r cx cy _ < <(probe caret)
if [ -n "${cx:-}" ]; then
  xdotool mousemove "$((cx + 4))" "$((cy + 6))" click --repeat 2 --delay 80 1
  sleep 1
  expect_eq "a double click on a result line jumps" "other.txt" "$(active | grep -o 'other.txt')"
else
  fail "the caret position could not be read"
fi

run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the program ends" wait_gone "$QUELT_PID" 30
e2e_finish
