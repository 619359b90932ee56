#!/bin/bash
# Operation recording in the running program: keys typed with xdotool are
# recorded, saved through the save dialog, loaded and played through the
# load dialog and played through the automation object; an operation file
# written here plays by its full path; a binding in a key file written here
# runs its command when its key is pressed.
source "$(dirname "$0")/lib.sh"
e2e_begin recording

text_of() { tr -d '\r' <"$1" | tr '\n' '|'; }

# A key file binding F7 to select all (32803), and an operation file that
# types "hello".
python3 - "$E2E_APP/quelt.key" "$E2E_WORK/hello.mac" <<'PY'
import struct, sys
binding = struct.pack("<IIHH", 118, 1, 0, 32803) + bytes(264)
open(sys.argv[1], "wb").write(struct.pack("<III", 12 + len(binding), 1, 200) + binding)
record = struct.pack("<III", 272, 0, 5) + b"hello"
comment = b"t\0"
open(sys.argv[2], "wb").write(struct.pack("<IIII", len(comment) - 1 + 17, len(record), 1, 200) + comment + record)
PY

printf '' >"$E2E_WORK/rec.txt"
rm -f "$E2E_APP/quelt.cab"
quelt_start /Q "$(winpath "$E2E_WORK/rec.txt")"
check "the file opens" wait_window "rec.txt" 60
sleep 1
focus "rec.txt"
win=$(xdotool search --name "rec.txt" | head -1)
xdotool mousemove --window "$win" 300 300 click 1
xdotool key ctrl+Home
sleep 0.3

# 1. Record: "abc", Enter, Up, End, "X". The recording pane counts the
# records.
# The pane follows on the next idle moment: waits up to 5 s for want.
pane() {
  local want=${1-} now
  for _ in $(seq 1 20); do
    now=$(probe pane 9 | sed 's/ *$//')
    [ "$now" == "$want" ] && break
    sleep 0.25
  done
  echo "$now"
}
expect_eq "the recording pane is empty while idle" "" "$(pane "")"
probe command 32808 >/dev/null
sleep 0.3
expect_eq "the recording pane shows the count" "記録中 0" "$(pane "記録中 0")"
xdotool type --delay 60 "abc"
xdotool key Return Up End
xdotool type --delay 60 "X"
sleep 0.3
expect_eq "every key is a record" "記録中 7" "$(pane "記録中 7")"
probe command 32808 >/dev/null
sleep 0.3
expect_eq "the recording pane empties when recording ends" "" "$(pane "")"
vbs 'o.FileSave' >/dev/null
sleep 0.3
expect_eq "the keys were typed" "abcX|" "$(text_of "$E2E_WORK/rec.txt")"

# 2. Save it through the save dialog as "mymac" with a comment.
(probe command 32810 >/dev/null &)
check "the save dialog opens" wait_window "操作の保存" 20
focus "操作の保存"
xdotool type --delay 50 "mymac"
xdotool key Tab
xdotool type --delay 50 "typing"
xdotool key Return
# Saving flushes the file to the disk, which may take a moment.
for _ in $(seq 1 40); do [ -f "$E2E_APP/mymac.mac" ] && break; sleep 0.25; done
check "the operation file is written beside the program" test -f "$E2E_APP/mymac.mac"
expect_eq "its header: length 23, mark 200, the comment" "17000000" "$(head -c 4 "$E2E_APP/mymac.mac" | xxd -p)"
expect_eq "its mark" "c8000000" "$(head -c 16 "$E2E_APP/mymac.mac" | tail -c 4 | xxd -p)"

# 3. Play it through the automation object into the same document: the
# caret is at the end of "abcX".
vbs 'o.PlayOperation "mymac"' 'o.FileSave' >/dev/null
sleep 0.5

# "abc", Enter, Up, End, "X" again from the end of the first line.
expect_eq "PlayOperation plays the saved keys" "abcXabcX||" "$(text_of "$E2E_WORK/rec.txt")"

# 4. Load and play through the load dialog ("再生").
(probe command 32811 >/dev/null &)
check "the load dialog opens" wait_window "操作の呼出し" 20
focus "操作の呼出し"
xdotool key alt+p
sleep 1
vbs 'o.FileSave' >/dev/null
sleep 0.3
expect_eq "the load dialog plays the file" "abcXabcXabcX|||" "$(text_of "$E2E_WORK/rec.txt")"

# 5. An operation file written by the test, by its full path.
vbs "o.PlayOperation \"$(winpath "$E2E_WORK/hello.mac")\"" 'o.FileSave' >/dev/null
sleep 0.5
expect_eq "a file written elsewhere plays by its path" "abcXabcXabcXhello|||" "$(text_of "$E2E_WORK/rec.txt")"

# 6. F7 is bound to select all: the selection is then deleted.
focus "rec.txt"
xdotool key F7
sleep 0.5
vbs 'o.DeleteString' 'o.FileSave' >/dev/null
sleep 0.3
expect_eq "the bound key selected everything" "" "$(text_of "$E2E_WORK/rec.txt")"

# Playback speed: 2,000 typed characters and 2,000 caret moves, timed and
# logged (not asserted).
python3 - "$E2E_WORK/speed.mac" <<'PY'
import struct, sys
records = b""
for i in range(2000):
    records += struct.pack("<III", 272, 0, 1) + b"x"
for i in range(2000):
    records += struct.pack("<III", 20 if i % 2 else 21, 0, 0)  # Left, then Right
comment = b"speed\0"
open(sys.argv[1], "wb").write(struct.pack("<IIII", len(comment) - 1 + 17, len(records), 4000, 200) + comment + records)
PY
vbs 'o.FileNew' >/dev/null
start=$(date +%s%N)
vbs "o.PlayOperation \"$(winpath "$E2E_WORK/speed.mac")\"" >/dev/null
elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
echo "playback of 2,000 characters and 2,000 caret moves: ${elapsed} ms (with the automation call)" | tee "$E2E_WORK/playback_speed.txt"
vbs "o.FileSaveAs \"$(winpath "$E2E_WORK/speed.txt")\"" >/dev/null
expect_eq "every played character arrived" "2000" "$(stat -c %s "$E2E_WORK/speed.txt")"

# 7. The keyboard page of the customisation sheet: the first menu command
# (new) gets F9; the key list goes into a new document.
(probe command 32873 >/dev/null &)
check "the customisation sheet opens" wait_window "ｶｽﾀﾏｲｽﾞ" 20
focus "ｶｽﾀﾏｲｽﾞ"
xdotool key Tab Home
xdotool key alt+k
sleep 0.3
# The key box: Tab from the bindings list past Ctrl and Shift.
xdotool key Tab Tab Tab
xdotool type --delay 50 "F9"
xdotool key alt+a
sleep 0.5
expect_eq "the binding is saved at once" "564" "$(stat -c %s "$E2E_APP/quelt.key")"
xdotool key alt+l
sleep 1
check "the key list opens in a new document" wait_window "無題" 20
out=$(vbs "WScript.Echo o.FileSaveAs(\"$(winpath "$E2E_WORK/keys.txt")\")")
sleep 0.5
check "the key list is saved ($out)" test -f "$E2E_WORK/keys.txt"
check "it lists the menu section" grep -qF -- "--- $(printf '\x83\x81\x83\x6a\x83\x85\x81\x5b') ---" "$E2E_WORK/keys.txt"
check "it shows F9 and F7" bash -c "grep -q 'F9' '$E2E_WORK/keys.txt' && grep -q 'F7' '$E2E_WORK/keys.txt'"
# F9 now makes a new document.
before=$(probe titles | wc -l)
focus "keys.txt"
xdotool key F9
sleep 1
expect_eq "the new binding runs its command" "$((before + 1))" "$(probe titles | wc -l)"

# 8. The frame's commands: a recorded "new" plays back; an operation file
# written here opens a file through the open command without its dialog.
printf 'opened\r\n' >"$E2E_WORK/opened.txt"
python3 - "$E2E_WORK/open.mac" "$(winpath "$E2E_WORK/opened.txt")" <<'PY'
import struct, sys
data = struct.pack("<III", 0, 0, 0) + sys.argv[2].encode("cp932") + b"\0"
record = struct.pack("<III", 512, 7, len(data)) + data  # 7: the open command's place in the table
comment = b"\0"
open(sys.argv[1], "wb").write(struct.pack("<IIII", 17, len(record), 1, 200) + comment + record)
PY
vbs "o.PlayOperation \"$(winpath "$E2E_WORK/open.mac")\"" >/dev/null
check "the played open command opens the file" wait_window "opened.txt" 20
# Save As played back saves the active document under the recorded name.
python3 - "$E2E_WORK/saveas.mac" "$(winpath "$E2E_WORK/copy.txt")" <<'PY'
import struct, sys
data = struct.pack("<II", 0, 0) + sys.argv[2].encode("cp932") + b"\0"
record = struct.pack("<III", 512, 11, len(data)) + data  # 11: Save As
open(sys.argv[1], "wb").write(struct.pack("<IIII", 17, len(record), 1, 200) + b"\0" + record)
PY
vbs "o.PlayOperation \"$(winpath "$E2E_WORK/saveas.mac")\"" >/dev/null
for _ in $(seq 1 40); do [ -f "$E2E_WORK/copy.txt" ] && break; sleep 0.25; done
expect_eq "Save As played back writes the recorded name" "opened|" "$(text_of "$E2E_WORK/copy.txt" 2>/dev/null)"
before=$(probe titles | wc -l)
probe command 32808 >/dev/null
probe command 57600 >/dev/null
probe command 32808 >/dev/null
probe command 32809 >/dev/null
sleep 0.5
expect_eq "a recorded new makes a document when played" "$((before + 2))" "$(probe titles | wc -l)"

# 9. The common settings: the sheet opened from the menu is recorded with
# what was confirmed and plays back without showing itself. "MultiInstance"
# reaches the settings file as soon as the sheet is confirmed.
toggle_multi_instance() {
  (probe command 32881 >/dev/null &)
  wait_window "共通設定" 20 || return 1
  focus "共通設定"
  xdotool key alt+i; sleep 0.3
  xdotool key Return
  for _ in $(seq 1 40); do probe popups | grep -q "共通設定" || return 0; sleep 0.25; done
  return 1
}
# The settings file reaches the disk a moment after it is written.
multi_instance_after() {
  local was=$1 now
  for _ in $(seq 1 40); do
    now=$(settings_value MultiInstance)
    [ "$now" != "$was" ] && break
    sleep 0.25
  done
  echo "$now"
}
initial=$(settings_value MultiInstance)
probe command 32808 >/dev/null
check "the sheet is confirmed while recording" toggle_multi_instance
probe command 32808 >/dev/null
recorded=$(multi_instance_after "$initial")
check "the unrecorded sheet is confirmed" toggle_multi_instance
expect_ne "the sheet changed the setting back" "$recorded" "$(multi_instance_after "$recorded")"
probe command 32809 >/dev/null
expect_eq "playback confirms the recorded values" "$recorded" "$(multi_instance_after "$(settings_value MultiInstance)")"
expect_eq "playback does not show the sheet" "" "$(probe popups | grep "共通設定")"

# 10. Save of an untitled document asks for a name while recording; the
# name is recorded and playback saves there without asking.
probe command 32808 >/dev/null
probe command 57600 >/dev/null
sleep 0.5
xdotool type --delay 60 "zz"
(probe command 57603 >/dev/null &)
check "Save of an untitled document asks for a name" wait_window "名前を付けて保存" 20
focus "名前を付けて保存"
xdotool type --delay 30 "$(winpath "$E2E_WORK/untitled.txt")"
xdotool key Return
for _ in $(seq 1 40); do [ -f "$E2E_WORK/untitled.txt" ] && break; sleep 0.25; done
probe command 32808 >/dev/null
expect_eq "the named file is saved" "zz" "$(text_of "$E2E_WORK/untitled.txt" 2>/dev/null)"
rm -f "$E2E_WORK/untitled.txt"
probe command 32809 >/dev/null
for _ in $(seq 1 40); do [ -f "$E2E_WORK/untitled.txt" ] && break; sleep 0.25; done
expect_eq "playback saves the new document under the recorded name" "zz" \
  "$(text_of "$E2E_WORK/untitled.txt" 2>/dev/null)"
expect_eq "playback shows no save dialog" "" "$(probe popups | grep "名前を付けて保存")"

run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the program ends" wait_gone "$QUELT_PID" 30
kill -0 "$QUELT_PID" 2>/dev/null && { timeout 30 wineserver -k; wait_gone "$QUELT_PID" 10; }
rm -f "$E2E_APP/quelt.cab" "$E2E_APP/quelt.key" "$E2E_APP/mymac.mac"
e2e_finish
