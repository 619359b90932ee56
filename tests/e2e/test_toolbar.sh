#!/bin/bash
# The tool bar: with the pointer over each button of the default layout the
# status bar shows the button's command prompt and the tooltip its tip (no
# tooltip for a command without one), in the layout's order; the cabinet
# button opens the cabinet sheet.
source "$(dirname "$0")/lib.sh"
e2e_begin toolbar

printf 'alpha\r\n' >"$E2E_WORK/a.txt"
printf '[Settings]\r\nWindowPos=0,1,-1,-1,-1,-1,0,0,800,500\r\n' >"$E2E_APP/quelt.INI"
quelt_start /Q "$(winpath "$E2E_WORK/a.txt")"
check "the file opens" wait_window "a.txt" 60
sleep 2
win=$(xdotool search --name "a.txt" | head -1)
xdotool mousemove --window "$win" 300 300 click 1
sleep 0.5

probe toolbar >"$E2E_WORK/toolbar.txt"
expect_eq "every button shows its prompt and tip, in order" 0 "$?"
grep MISMATCH "$E2E_WORK/toolbar.txt" | sed 's/^/  /'
read -r want seen < <(sed -n 's/^tool bar: \([0-9]*\) buttons expected, \([0-9]*\) seen.*/\1 \2/p' "$E2E_WORK/toolbar.txt")
check "the layout has buttons to look at" test "${want:-0}" -gt 10
expect_eq "the sweep met each button of the layout once" "${want:-none}" "${seen:-none}"
screenshot "$E2E_WORK/toolbar.png"

probe button 32814 >"$E2E_WORK/button.txt"
expect_eq "the cabinet button is found with its tip" 0 "$?"
check "the cabinet button opens the cabinet sheet" wait_window "ｷｬﾋﾞﾈｯﾄ" 20
sleep 1
screenshot "$E2E_WORK/sheet.png"
xdotool key Escape
check "Escape closes the sheet" bash -c "for i in \$(seq 40); do ! xdotool search --onlyvisible --name 'ｷｬﾋﾞﾈｯﾄ' >/dev/null && exit 0; sleep 0.25; done; exit 1"

run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the program ends" wait_gone "$QUELT_PID" 30
e2e_finish
