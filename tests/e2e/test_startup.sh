#!/bin/bash
# Start-up and exit of the real program: the frame and its title, the
# untitled document, the settings file written at exit with its defaults,
# and /L and /C placing the caret of the file named on the command line.
source "$(dirname "$0")/lib.sh"
e2e_begin startup

quelt_start
check "the main frame appears with the cabinet's title" wait_window "Kav Quelt : quelt.cab" 60
check "an untitled document is open" wait_window "無題" 10
screenshot "$E2E_WORK/startup.png"
run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "Exit ends the process" wait_gone "$QUELT_PID" 30
check "the settings file is written beside the program" test -f "$E2E_APP/quelt.INI"
expect_eq "MultiInstance default" 1 "$(settings_value MultiInstance)"
expect_eq "RecentFileListCount default" 4 "$(settings_value RecentFileListCount)"
expect_eq "AutoSaveIntervalSec default" 300 "$(settings_value AutoSaveIntervalSec)"
expect_eq "ScrollLineCount default" 2 "$(settings_value ScrollLineCount)"
expect_eq "read-only BeepSoundType is never written" "" "$(settings_value BeepSoundType)"
check "WindowPos holds ten numbers" bash -c "[[ \"$(settings_value WindowPos)\" =~ ^-?[0-9]+(,-?[0-9]+){9}$ ]]"

# /L and /C: line 3, column 2 of a file (0-based 2 and 1 through automation).
printf 'first\r\nsecond\r\nthird line\r\n' >"$E2E_WORK/lines.txt"
quelt_start /L=3 /C=2 "$(winpath "$E2E_WORK/lines.txt")"
check "the file opens" wait_window "lines.txt" 60
expect_eq "/L=3 /C=2 places the caret" "2 1" "$(run_vbs "$E2E_TESTS/caret.vbs")"
run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "second run ends" wait_gone "$QUELT_PID" 30

# A line past the end leaves the caret where it was; /L alone gives column 0.
quelt_start -l=99 "$(winpath "$E2E_WORK/lines.txt")"
check "the file opens again" wait_window "lines.txt" 60
expect_eq "a line past the end is ignored" "0 0" "$(run_vbs "$E2E_TESTS/caret.vbs")"
run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
wait_gone "$QUELT_PID" 30
quelt_start /L2 "$(winpath "$E2E_WORK/lines.txt")"
check "the file opens a third time" wait_window "lines.txt" 60
expect_eq "/L alone puts the caret at column 0" "1 0" "$(run_vbs "$E2E_TESTS/caret.vbs")"
run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "third run ends" wait_gone "$QUELT_PID" 30

# /Q and "InvokeWithoutUntitled": no document window at all.
printf '[Settings]\r\nInvokeWithoutUntitled=1\r\n' >"$E2E_APP/quelt.INI"
rm -f "$E2E_APP/quelt.cab"
quelt_start /Q
check "the frame appears" wait_window "Kav Quelt" 60
sleep 1
check "no untitled document with InvokeWithoutUntitled" bash -c "! xdotool search --name '無題' >/dev/null"
run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "fourth run ends" wait_gone "$QUELT_PID" 30
e2e_finish
