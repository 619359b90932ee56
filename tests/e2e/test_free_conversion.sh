#!/bin/bash
# The free conversion (32888) in the running program: operation files made
# here play it without its dialog on a selection and on the whole text (a
# class rule, escape sequences, one undo step), into a new document, and
# refuse bad data; the dialog takes a rule typed in and class names chosen
# from its list, runs it, is recorded as the rules it ran and plays back
# without showing itself; its rules are in the state file after a restart
# and run again from the dialog.
source "$(dirname "$0")/lib.sh"
e2e_begin free_conversion

doc=$E2E_WORK/fc.txt
# Shift-JIS hex of a text.
sj() { python3 -c 'import sys; sys.stdout.write(sys.argv[1].encode("cp932").hex())' "$1"; }
hex_of() { xxd -p "$1" 2>/dev/null | tr -d '\n'; }
# Saves the active document and waits up to 5 s for the file to hold want.
saved_as() {
  local file=$1 want=$2 now
  vbs 'o.FileSave' >/dev/null
  for _ in $(seq 1 20); do
    now=$(hex_of "$file")
    [ "$now" == "$want" ] && break
    sleep 0.25
  done
  echo "$now"
}
# An operation file: records given as "kind id data-hex" words.
make_mac() {
  python3 - "$@" <<'PY'
import struct, sys
out, recs = sys.argv[1], sys.argv[2:]
body = b""
for i in range(0, len(recs), 3):
    data = bytes.fromhex(recs[i + 2]) if recs[i + 2] != "-" else b""
    body += struct.pack("<III", int(recs[i]), int(recs[i + 1]), len(data)) + data
open(out, "wb").write(struct.pack("<IIII", 17, len(body), len(recs) // 3, 200) + b"\0" + body)
PY
}
# The recorded rules: options, then before/after pairs (Unicode).
rules_hex() {
  python3 - "$@" <<'PY'
import struct, sys
options, fields = int(sys.argv[1]), [f.encode("cp932") for f in sys.argv[2:]]
out = struct.pack("<II", len(fields) // 2, options)
for f in fields:
    out += struct.pack("<I", len(f)) + f + b"\0"
sys.stdout.write(out.hex())
PY
}
play() { vbs "o.PlayOperation \"$(winpath "$1")\"" >/dev/null; sleep 0.5; }

HIRA="＜全角ひらがな＞"
KATA="＜全角カタカナ＞"
HALF_KATA="＜半角カタカナ＞"
INDEX=59  # the free conversion's place in the table of recordable commands

python3 -c 'import sys; open(sys.argv[1], "wb").write("あいう\r\nabc\r\n".encode("cp932"))' "$doc"
rm -f "$E2E_APP/quelt.cab" "$E2E_APP"/*.DAT
quelt_start /Q "$(winpath "$doc")"
check "the file opens" wait_window "fc.txt" 60
sleep 1

# 1. Ctrl+Home, Shift+Right twice selects あい: hiragana to katakana there.
make_mac "$E2E_WORK/sel.mac" 16 2 - 20 1 - 20 1 - 512 $INDEX "$(rules_hex 0 "$HIRA" "$KATA")"
play "$E2E_WORK/sel.mac"
expect_eq "the selection is converted" "$(sj $'アイう\r\nabc\r\n')" "$(saved_as "$doc" "$(sj $'アイう\r\nabc\r\n')")"

# 2. Without a selection the whole text: a literal rule with escape
# sequences above a class rule.
make_mac "$E2E_WORK/whole.mac" 16 2 - 512 $INDEX "$(rules_hex 2 "abc" 'A\tB' "$KATA" "$HIRA")"
play "$E2E_WORK/whole.mac"
expect_eq "the whole text is converted" "$(sj $'あいう\r\nA\tB\r\n')" "$(saved_as "$doc" "$(sj $'あいう\r\nA\tB\r\n')")"
vbs 'o.Undo' >/dev/null
expect_eq "one undo restores the text" "$(sj $'アイう\r\nabc\r\n')" "$(saved_as "$doc" "$(sj $'アイう\r\nabc\r\n')")"

# 3. Garbage data changes nothing.
make_mac "$E2E_WORK/bad.mac" 16 2 - 512 $INDEX "0b000000000000000061"
play "$E2E_WORK/bad.mac"
expect_eq "bad data changes nothing" "$(sj $'アイう\r\nabc\r\n')" "$(saved_as "$doc" "$(sj $'アイう\r\nabc\r\n')")"
expect_eq "bad data shows no dialog" "" "$(probe popups | grep "自由変換")"

# 4. Into a new document: the source stays as it is.
before=$(probe titles | wc -l)
make_mac "$E2E_WORK/new.mac" 16 2 - 512 $INDEX "$(rules_hex 1 "$KATA" "$HALF_KATA" "$HIRA" "$HALF_KATA")"
play "$E2E_WORK/new.mac"
expect_eq "a new document is made" "$((before + 1))" "$(probe titles | wc -l)"
vbs "o.FileSaveAs \"$(winpath "$E2E_WORK/out.txt")\"" >/dev/null
for _ in $(seq 1 20); do [ -s "$E2E_WORK/out.txt" ] && break; sleep 0.25; done
expect_eq "the new document holds the result" "$(sj $'ｱｲｳ\r\nabc\r\n')" "$(hex_of "$E2E_WORK/out.txt")"
vbs 'o.FileClose' >/dev/null
sleep 0.5
check "the source is active again" wait_window "fc.txt" 10
expect_eq "the source is unchanged" "$(sj $'アイう\r\nabc\r\n')" "$(saved_as "$doc" "$(sj $'アイう\r\nabc\r\n')")"

# 5. The dialog while recording: "b" to "zz" typed in row 1; row 2 gets
# ＜全角ひらがな＞ and ＜全角カタカナ＞ from the list with 挿入; 実行 converts
# the whole text.
focus "fc.txt"
xdotool key ctrl+Home
sleep 0.3
probe command 32808 >/dev/null
(probe command 32888 >/dev/null &)
check "the dialog opens" wait_window "自由変換" 20
focus "自由変換"
xdotool type --delay 60 "b"
xdotool key Tab
xdotool type --delay 60 "zz"
xdotool key Tab       # row 2, 変換前
xdotool key alt+t Down alt+i
sleep 0.2
xdotool key Tab       # row 2, 変換後
xdotool key alt+t Down alt+i
sleep 0.2
xdotool key Return
for _ in $(seq 1 20); do probe popups | grep -q "自由変換" || break; sleep 0.25; done
expect_eq "実行 closes the dialog" "" "$(probe popups | grep "自由変換")"
probe command 32808 >/dev/null
expect_eq "the dialog's rules convert the text" "$(sj $'アイウ\r\nazzc\r\n')" \
  "$(saved_as "$doc" "$(sj $'アイウ\r\nazzc\r\n')")"

# 6. The recording plays the same rules back without the dialog.
vbs 'o.Undo' >/dev/null
expect_eq "undone" "$(sj $'アイう\r\nabc\r\n')" "$(saved_as "$doc" "$(sj $'アイう\r\nabc\r\n')")"
probe command 32809 >/dev/null
sleep 0.5
expect_eq "playback shows no dialog" "" "$(probe popups | grep "自由変換")"
expect_eq "playback converts with the recorded rules" "$(sj $'アイウ\r\nazzc\r\n')" \
  "$(saved_as "$doc" "$(sj $'アイウ\r\nazzc\r\n')")"

# 7. The rules are in the state file after the program ends, and the dialog
# shows them after a restart: 実行 alone converts.
run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the program ends" wait_gone "$QUELT_PID" 30
dat=$(ls "$E2E_APP"/*.[Dd][Aa][Tt] 2>/dev/null | head -1)
check "the state file is written" test -n "$dat"
section=$(python3 - "$dat" "$HIRA" "$KATA" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
row = lambda a, b: struct.pack("<I", len(a)) + a + b"\0" + struct.pack("<I", len(b)) + b + b"\0"
want = row(b"b", b"zz") + row(sys.argv[2].encode("cp932"), sys.argv[3].encode("cp932"))
print("yes" if struct.pack("<II", 10, 0) + want in data else "no")
PY
)
expect_eq "the state file holds the ten rows" "yes" "$section"

python3 -c 'import sys; open(sys.argv[1], "wb").write("abcあ".encode("cp932"))' "$doc"
quelt_start /Q "$(winpath "$doc")"
check "the file opens again" wait_window "fc.txt" 60
sleep 1
(probe command 32888 >/dev/null &)
check "the dialog opens again" wait_window "自由変換" 20
focus "自由変換"
xdotool key Return
sleep 0.5
expect_eq "the kept rules run" "$(sj 'azzcア')" "$(saved_as "$doc" "$(sj 'azzcア')")"
# Cancel changes nothing.
(probe command 32888 >/dev/null &)
check "the dialog opens a third time" wait_window "自由変換" 20
focus "自由変換"
xdotool key Escape
sleep 0.5
expect_eq "Cancel changes nothing" "$(sj 'azzcア')" "$(saved_as "$doc" "$(sj 'azzcア')")"

run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the program ends again" wait_gone "$QUELT_PID" 30
kill -0 "$QUELT_PID" 2>/dev/null && { timeout 30 wineserver -k; wait_gone "$QUELT_PID" 10; }
e2e_finish
