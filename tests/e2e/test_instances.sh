#!/bin/bash
# One running instance with "MultiInstance" 0: a second start hands its files
# over by DDE and ends; with no files it only beeps and ends.
source "$(dirname "$0")/lib.sh"
e2e_begin instances

printf '[Settings]\r\nMultiInstance=0\r\n' >"$E2E_APP/quelt.INI"
printf 'handed over\r\n' >"$E2E_WORK/handed.txt"
printf 'second file\r\n' >"$E2E_WORK/other file.txt"
quelt_start
first=$QUELT_PID
check "the first instance starts" wait_window "Kav Quelt" 60

quelt_start "$(winpath "$E2E_WORK/handed.txt")"
second=$QUELT_PID
check "the second instance ends" wait_gone "$second" 40
check "the first instance opened the handed-over file" wait_window "handed.txt" 20
check "the first instance still runs" kill -0 "$first"

# A single absolute path with a blank needs no quotes.
quelt_start "$(winpath "$E2E_WORK/other file.txt")"
check "the third start ends" wait_gone "$QUELT_PID" 40
check "a path with a blank is one file" wait_window "other file.txt" 20

quelt_start
check "a start without files ends" wait_gone "$QUELT_PID" 40
check "the first instance still runs after it" kill -0 "$first"

QUELT_PID=$first
run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the first instance ends through Exit" wait_gone "$first" 30
e2e_finish
