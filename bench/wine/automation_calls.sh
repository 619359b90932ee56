#!/bin/bash
# Calls per second through the automation object under Wine, reported, never
# asserted: a call that needs no view (GetTabColumnCount), one that reads the
# caret (GetLinePos), one that moves it (MoveCaret 4) and, in the same run,
# the same caret moves played as one operation file. Builds nothing: run it
# after the win32 build, e.g.
#   xvfb-run -a -s "-screen 0 1280x1024x24" bash bench/wine/automation_calls.sh [calls]
source "$(dirname "$0")/../../tests/e2e/lib.sh"
e2e_begin bench_automation_calls
calls=${1:-200}

text=$E2E_WORK/caret.txt
python3 -c "import sys; open(sys.argv[1], 'wb').write((b'x' * 200 + b'\r\n') * 40)" "$text"
# An operation file of $calls Right-arrow presses.
python3 - "$E2E_WORK/moves.mac" "$calls" <<'PY'
import struct, sys
count = int(sys.argv[2])
records = struct.pack("<III", 20, 0, 0) * count
comment = b"m\0"
header = struct.pack("<IIII", len(comment) - 1 + 17, len(records), count, 200)
open(sys.argv[1], "wb").write(header + comment + records)
PY

quelt_start "$(winpath "$text")"
wait_window "caret.txt" 60 || { fail "the program did not start"; e2e_finish; }
cat >"$E2E_WORK/bench.vbs" <<VBS
Option Explicit
Dim o, i, t, n, x
n = $calls
Set o = CreateObject("QUELT.AUTOINT")
' A first round of each call is not counted: the program may still be
' settling after its start.
For i = 1 To n : x = o.GetTabColumnCount() : x = o.GetLinePos() : Next
o.MoveCaret 16
For i = 1 To n : o.MoveCaret 4 : Next
t = Timer
For i = 1 To n : x = o.GetTabColumnCount() : Next
WScript.Echo "GetTabColumnCount " & FormatNumber(n / (Timer - t + 0.0001), 1)
t = Timer
For i = 1 To n : x = o.GetLinePos() : Next
WScript.Echo "GetLinePos " & FormatNumber(n / (Timer - t + 0.0001), 1)
o.MoveCaret 16
t = Timer
For i = 1 To n : o.MoveCaret 4 : Next
WScript.Echo "MoveCaret_4 " & FormatNumber(n / (Timer - t + 0.0001), 1)
WScript.Echo "caret_after_calls " & o.GetColumnPos()
o.MoveCaret 16
t = Timer
o.PlayOperation "$(winpath "$E2E_WORK/moves.mac")"
WScript.Echo "played_moves " & FormatNumber(n / (Timer - t + 0.0001), 1)
WScript.Echo "caret_after_play " & o.GetColumnPos()
VBS
echo "automation calls per second ($calls calls each; the played line counts moves per second):"
run_vbs "$E2E_WORK/bench.vbs" | tee "$E2E_WORK/bench.txt"
grep -q '^played_moves' "$E2E_WORK/bench.txt" && pass || fail "the benchmark client did not finish"
e2e_finish
