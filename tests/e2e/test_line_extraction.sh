#!/bin/bash
# Line extraction in the running program: the sheet's step-1 page gets the
# entry ERROR and OK extracts the lines that hold it into a new document,
# with the information dialog after it; "操作を記録" makes that run the one
# recorded operation, which plays again without the sheet; an operation
# file with a recorded step 2 (BEGIN...END blocks with separators) plays
# without the sheet; a record with damaged settings makes no document.
source "$(dirname "$0")/lib.sh"
e2e_begin line_extraction

# The text of a saved document, lines joined by "|".
text_of() { tr -d '\r' <"$1" | tr '\n' '|'; }

# Saves the active document as path and echoes its text.
save_active() {
  rm -f "$1"
  vbs "o.FileSaveAs \"$(winpath "$1")\"" >/dev/null
  for _ in $(seq 1 40); do [ -s "$1" ] && break; sleep 0.25; done
  sleep 0.5
  text_of "$1"
}

# Waits for the information dialog (the sheet, of the same title, is gone by
# then) and answers it; echoes "shown".
answer_information() { answer_popup "行の抽出" 20 && echo shown; }

printf 'start\r\nBEGIN one\r\nan ERROR here\r\nEND\r\nok\r\nBEGIN two\r\nEND\r\nlast ERROR' >"$E2E_WORK/log.txt"

quelt_start /Q "$(winpath "$E2E_WORK/log.txt")"
check "the file opens" wait_window "log.txt" 60
sleep 1

# 1. The sheet: "操作を記録" on the parameter page, ERROR on the step-1 page,
# OK. The default execution step runs both steps; step 2 has no entries and
# passes every line.
before=$(probe titles | wc -l)
(probe command 32883 >/dev/null &)
check "the sheet opens" wait_window "行の抽出" 20
sleep 0.5
focus "行の抽出"
sheet=$(xdotool search --name "行の抽出" | head -1)
xdotool key alt+o
sleep 0.2
xdotool mousemove --window "$sheet" 88 14 click 1
sleep 0.5
xdotool key alt+s
xdotool type --delay 40 "ERROR"
xdotool key alt+a
sleep 0.3
xdotool key Return
for _ in $(seq 1 40); do probe popups | grep -q "行の抽出" || break; sleep 0.25; done
expect_eq "the information dialog follows the run" "shown" "$(answer_information)"
sleep 0.5
expect_eq "the run opened a new document" "$((before + 1))" "$(probe titles | wc -l)"
expect_eq "the lines holding ERROR, the last one as it was" "an ERROR here|last ERROR" \
  "$(save_active "$E2E_WORK/sheet.txt")"
for _ in $(seq 1 20); do [ -f "$E2E_APP/quelt.DAT" ] && break; sleep 0.25; done
check "the recorded run writes the state file" test -f "$E2E_APP/quelt.DAT"
vbs 'o.FileClose' >/dev/null
sleep 0.5

# 2. The recorded run plays again: no sheet, the information dialog again.
(probe command 32809 >/dev/null &)
expect_eq "the played run shows its information" "shown" "$(answer_information)"
sleep 0.5
expect_eq "and extracts the same lines" "an ERROR here|last ERROR" "$(save_active "$E2E_WORK/again.txt")"
vbs 'o.FileClose' >/dev/null
sleep 0.5

# 3. An operation file: step 2, BEGIN ... END extracted with the separator
# "--", no information dialog.
python3 - "$E2E_WORK/blocks.mac" "$E2E_WORK/bad.mac" <<'PY'
import struct, sys
def entries(items):
    b = struct.pack("<I", len(items))
    for text, position, count in items:
        b += struct.pack("<ii", position, count) + text + b"\0"
    return b
# step 2, processes extract, case, no regex, width distinguished, no display,
# no information, separators on
data = struct.pack("<9I", 2, 0, 0, 1, 0, 1, 0, 0, 1) + b"--\0"
data += entries([]) + entries([(b"BEGIN", 0, 1)]) + entries([(b"END", 0, 1)])
def mac(path, data):
    record = struct.pack("<III", 512, 56, len(data)) + data  # 56: line extraction's place in the table
    open(path, "wb").write(struct.pack("<IIII", 17, len(record), 1, 200) + b"\0" + record)
mac(sys.argv[1], data)
mac(sys.argv[2], data[:-3])
PY
before=$(probe titles | wc -l)
vbs "o.PlayOperation \"$(winpath "$E2E_WORK/blocks.mac")\"" >/dev/null
sleep 1
expect_eq "the played file opened a new document" "$((before + 1))" "$(probe titles | wc -l)"
expect_eq "the blocks with their separators" "--   1/2|BEGIN one|an ERROR here|END|--   2/2|BEGIN two|END|" \
  "$(save_active "$E2E_WORK/blocks.txt")"
vbs 'o.FileClose' >/dev/null
sleep 0.5

before=$(probe titles | wc -l)
vbs "o.PlayOperation \"$(winpath "$E2E_WORK/bad.mac")\"" >/dev/null
sleep 1
expect_eq "damaged settings make no document" "$before" "$(probe titles | wc -l)"

run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the program ends" wait_gone "$QUELT_PID" 30
e2e_finish
