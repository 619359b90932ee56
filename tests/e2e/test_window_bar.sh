#!/bin/bash
# The window bar: a tab per open text document, numbered with
# "AddDocNumber"; choosing a tab activates its window.
source "$(dirname "$0")/lib.sh"
e2e_begin window_bar

printf 'one\r\n' >"$E2E_WORK/one.txt"
printf 'two\r\n' >"$E2E_WORK/two.txt"
printf 'amp\r\n' >"$E2E_WORK/a&b.txt"
printf '[Settings]\r\nAddDocNumber=1\r\nWindowPos=0,1,-1,-1,-1,-1,0,0,800,500\r\n' >"$E2E_APP/quelt.INI"
quelt_start /Q "$(winpath "$E2E_WORK/a&b.txt")" "$(winpath "$E2E_WORK/one.txt")" "$(winpath "$E2E_WORK/two.txt")"
check "the second file is active" wait_window "two.txt" 60
sleep 1
screenshot "$E2E_WORK/window_bar.png"
win=$(xdotool search --name "two.txt" | head -1)
# The first tab sits below the menu bar and the one-row tool bar, at the left.
xdotool mousemove --window "$win" 30 54 click 1
check "choosing the first tab activates its window" wait_window "a&b.txt" 10
run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the program ends" wait_gone "$QUELT_PID" 30
e2e_finish
