#!/bin/bash
# Window marks through the window menu: three marked windows cycle in order
# with "next" and wrap around; the marks show as "* " before the titles.
source "$(dirname "$0")/lib.sh"
e2e_begin window_marks

for n in one two three; do printf '%s\r\n' "$n" >"$E2E_WORK/$n.txt"; done
printf '[Settings]\r\nWindowPos=0,1,-1,-1,-1,-1,0,0,800,500\r\n' >"$E2E_APP/quelt.INI"
quelt_start /Q "$(winpath "$E2E_WORK/one.txt")" "$(winpath "$E2E_WORK/two.txt")" "$(winpath "$E2E_WORK/three.txt")"
check "the files open" wait_window "three.txt" 60
sleep 1
win=$(xdotool search --name "three.txt" | head -1)
xdotool mousemove --window "$win" 300 300 click 1
menu() { xdotool key alt+w; sleep 0.4; xdotool key "$1"; sleep 0.6; }
# Mark three.txt, then two.txt and one.txt through the window bar's tabs.
menu m
check "the mark shows before the title" wait_window "* three.txt" 10
xdotool key ctrl+F6; sleep 0.6
menu m
xdotool key ctrl+F6; sleep 0.6
menu m
# Marks were set on three, then the two others: "next" wraps to three first.
menu n
check "next goes to the first marked window" wait_window "* three.txt" 10
menu n
t1=$(window_titles | grep -o '[a-z]*\.txt' | head -1)
menu n
t2=$(window_titles | grep -o '[a-z]*\.txt' | head -1)
menu n
check "after the last comes the first again" wait_window "* three.txt" 10
check "next visits the other two marked windows" test "$t1" != "$t2" -a "$t1" != three.txt -a "$t2" != three.txt
menu r
check "reset removes every mark" bash -c "! xdotool search --name '\\* ' >/dev/null"
run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the program ends" wait_gone "$QUELT_PID" 30
e2e_finish
