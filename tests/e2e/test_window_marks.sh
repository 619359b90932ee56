#!/bin/bash
# Window marks through the window menu: three marked windows cycle in order
# with "next" and wrap around; the marks show as "* " before the titles.
# Of eleven windows only ten can be marked: the eleventh mark beeps (the
# MessageBeep calls are counted with Wine's relay trace) and leaves its
# title alone.
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

# Eleven windows: the first file on the command line, the others handed to
# the running instance by further starts (one command line keeps a file
# list of limited length). No cabinet documents come back: the cabinet of
# the first run is removed. The relay trace of the first start logs
# MessageBeep only.
names=(f01 f02 f03 f04 f05 f06 f07 f08 f09 f10 f11)
files=()
for n in "${names[@]}"; do
  printf '%s\r\n' "$n" >"$E2E_WORK/$n.txt"
  files+=("$(winpath "$E2E_WORK/$n.txt")")
done
wine reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /t REG_SZ /d user32.MessageBeep /f >/dev/null 2>&1
: >"$E2E_WORK/quelt.log"
rm -f "$E2E_APP/quelt.cab"
# One instance only, so that the later starts hand their files over.
printf '[Settings]\r\nWindowPos=0,1,-1,-1,-1,-1,0,0,800,500\r\nMultiInstance=0\r\n' >"$E2E_APP/quelt.INI"
WINEDEBUG=+relay quelt_start /Q "${files[0]}"
check "the first file opens" wait_window "f01.txt" 60
sleep 2
for f in "${files[@]:1}"; do
  (cd "$E2E_APP" && timeout 60 wine "$E2E_APP/quelt.exe" /Q "$f" >/dev/null 2>&1)
done
check "the eleven files open" wait_window "f11.txt" 90
sleep 2
beeps() { grep -c 'Call user32.MessageBeep' "$E2E_WORK/quelt.log"; }
win=$(xdotool search --name "f11.txt" | head -1)
xdotool mousemove --window "$win" 300 300 click 1
sleep 0.5
probe titles >"$E2E_WORK/titles_before.txt"
expect_eq "eleven document windows" 11 "$(grep -c . "$E2E_WORK/titles_before.txt")"
for ((k = 1; k <= 10; k++)); do
  menu m
  xdotool key ctrl+F6; sleep 0.6
done
probe titles >"$E2E_WORK/titles_ten.txt"
expect_eq "ten titles carry the mark" 10 "$(grep -c '^[A-] \* ' "$E2E_WORK/titles_ten.txt")"
unmarked=$(sed -n 's/^A \([^*].*\)$/\1/p' "$E2E_WORK/titles_ten.txt")
check "the active window is the one still unmarked" test -n "$unmarked"
before=$(beeps)
menu m
sleep 1
after=$(beeps)
probe titles >"$E2E_WORK/titles_eleven.txt"
check "the relay trace sees MessageBeep calls at all (before: $before)" test "$before" -ge 0
expect_eq "the eleventh mark beeps once" 1 "$((after - before))"
expect_eq "the eleventh title stays without the mark" "A $unmarked" "$(grep '^A ' "$E2E_WORK/titles_eleven.txt")"
expect_eq "still ten marked titles" 10 "$(grep -c '^[A-] \* ' "$E2E_WORK/titles_eleven.txt")"
# The trace is real: a beep the program is known to give is counted too.
menu r
menu n
sleep 1
expect_eq "next with no marks beeps once more" 1 "$(($(beeps) - after))"
wine reg delete 'HKCU\Software\Wine\Debug' /v RelayInclude /f >/dev/null 2>&1
run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the program ends after the eleven" wait_gone "$QUELT_PID" 60
e2e_finish
