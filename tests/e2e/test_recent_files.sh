#!/bin/bash
# The recent-file list: a file opened in one run is kept in the settings
# file and opens again from the file menu of the next run.
source "$(dirname "$0")/lib.sh"
e2e_begin recent_files

printf 'recent\r\n' >"$E2E_WORK/recent.txt"
printf '[Settings]\r\nWindowPos=0,1,-1,-1,-1,-1,0,0,800,500\r\n' >"$E2E_APP/quelt.INI"
quelt_start /Q "$(winpath "$E2E_WORK/recent.txt")"
check "the file opens" wait_window "recent.txt" 60
run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the first run ends" wait_gone "$QUELT_PID" 30
check "the file is kept as File1" grep -q "^File1=.*recent.txt" <(tr -d '\r' <"$E2E_APP/quelt.INI")

quelt_start /Q
check "the second run starts" wait_window "Kav Quelt" 60
sleep 1
win=$(xdotool search --name "Kav Quelt" | head -1)
xdotool mousemove --window "$win" 300 300 click 1
sleep 0.3
xdotool key alt+f; sleep 0.5; xdotool key 1
check "the first recent entry opens the file" wait_window "recent.txt" 20
run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the second run ends" wait_gone "$QUELT_PID" 30
e2e_finish
