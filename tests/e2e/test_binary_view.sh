#!/bin/bash
# The binary view in the running program: a file with control bytes opens
# as bytes and shows its rows (read from the window), hexadecimal digits
# typed in insert and overwrite mode change the bytes saved, the find box
# finds a byte pattern, and the jump goes to a byte offset.
source "$(dirname "$0")/lib.sh"
e2e_begin binary_view

# The second row as the view shows it, once it is want (waits up to 5 s:
# keys sent with xdotool can arrive after a probe's message).
row2_when() {
  local want=$1 now
  for _ in $(seq 1 20); do
    now=$(probe bvrows | tr -d '\r' | sed -n 2p | cut -c1-58 | sed 's/ *$//')
    [ "$now" == "$want" ] && break
    sleep 0.25
  done
  echo "$now"
}
hex_of() { od -An -tx1 -v "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }
bin=$E2E_WORK/data.bin
printf 'ABCDEFGHIJKLMNO\x82\xA0xyz\x00\x01\x02' >"$bin"

# Opened through the open command's recorded operation with the automatic
# kind: the control bytes make it a binary document.
python3 - "$E2E_WORK/open.mac" "$(winpath "$bin")" <<'PY'
import struct, sys
data = struct.pack("<III", 0, 0, 0) + sys.argv[2].encode("cp932") + b"\0"
record = struct.pack("<III", 512, 7, len(data)) + data
comment = b"o\0"
open(sys.argv[1], "wb").write(struct.pack("<IIII", len(comment) - 1 + 17, len(record), 1, 200) + comment + record)
PY
quelt_start /Q
check "the program starts" wait_window "Quelt" 60
sleep 1
vbs "o.PlayOperation \"$(winpath "$E2E_WORK/open.mac")\"" >/dev/null
check "the file opens" wait_window "data.bin" 30
sleep 1
rows=$(probe bvrows | tr -d '\r')
row1=$(echo "$rows" | sed -n 1p)
row2=$(echo "$rows" | sed -n 2p)
expect_eq "the first row's offset and bytes" "00000000  41 42 43 44 45 46 47 48  49 4A 4B 4C 4D 4E 4F 82" "${row1:0:58}"
expect_eq "the first row's text ends with the whole character" "ABCDEFGHIJKLMNOあ" "$(echo "${row1:60}" | sed 's/ *$//')"
expect_eq "the second row" "00000010  A0 78 79 7A 00 01 02" "$(echo "${row2:0:59}" | sed 's/ *$//')"
expect_eq "the second row's text starts with a blank" " xyz..." "$(echo "${row2:60}" | sed 's/ *$//')"

# Saves and waits for the file to change (a save can take some seconds to land).
save() {
  local before
  sleep 0.5  # the keys first: a probe's message can overtake them
  before=$(hex_of "$bin")
  probe command 57603 >/dev/null
  for _ in $(seq 1 60); do
    [ "$(hex_of "$bin")" != "$before" ] && break
    sleep 0.25
  done
  hex_of "$bin"
}
focus "data.bin"
win=$(xdotool search --name "data.bin" | head -1)
xdotool mousemove --window "$win" 300 300 click 1
sleep 0.3
xdotool key ctrl+Home
# Two digits in insert mode insert one byte before "A".
xdotool type --delay 80 "41"
expect_eq "41 typed inserts the byte 0x41" "41 41 42 43 44 45 46 47 48 49 4a 4b 4c 4d 4e 4f 82 a0 78 79 7a 00 01 02" "$(save)"
# Overwrite mode: "ff" replaces the next byte.
xdotool key Insert
xdotool type --delay 80 "ff"
xdotool key Insert
expect_eq "ff typed over a byte replaces it" "41 ff 42 43 44 45 46 47 48 49 4a 4b 4c 4d 4e 4f 82 a0 78 79 7a 00 01 02" "$(save)"

# The find box in the hexadecimal part finds a byte pattern; Delete takes it away.
probe findbox "4A 4B" >/dev/null
probe command 195 >/dev/null
sleep 0.3
focus "data.bin"
xdotool key Delete
expect_eq "the pattern 4A 4B was found and deleted" "41 ff 42 43 44 45 46 47 48 49 4c 4d 4e 4f 82 a0 78 79 7a 00 01 02" "$(save)"

# The jump takes a hexadecimal offset.
(probe command 32788 >/dev/null &)
check "the jump dialog opens" wait_window "ｼﾞｬﾝﾌﾟ" 20
focus "ｼﾞｬﾝﾌﾟ"
xdotool type --delay 60 "0x10"
xdotool key Return
sleep 0.5
focus "data.bin"
xdotool key Delete
expect_eq "the jump went to byte 16" "00000010  79 7A 00 01 02" "$(row2_when "00000010  79 7A 00 01 02")"

# Undo brings the byte back.
xdotool key ctrl+z
expect_eq "undo restores it" "00000010  78 79 7A 00 01 02" "$(row2_when "00000010  78 79 7A 00 01 02")"
screenshot "$E2E_WORK/binary_view.png"

# The find command explains the find box; the properties open too.
popup_gone() {
  for _ in $(seq 1 20); do probe popups | grep -q "$1" || return 0; sleep 0.25; done
  return 1
}
for dialog in "57636 文字列の検索" "33030 ﾌﾟﾛﾊﾟﾃｨ"; do
  set -- $dialog
  (probe command "$1" >/dev/null &)
  check "the dialog $2 opens" wait_window "$2" 20
  focus "$2"
  xdotool key Return
  check "the dialog $2 closes" popup_gone "$2"
done
vbs 'o.Exit' >/dev/null
e2e_finish
