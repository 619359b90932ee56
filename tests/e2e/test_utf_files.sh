#!/bin/bash
# UTF-8 and UTF-16 files through the real program, in one run: files with
# and without a signature open with their code shown in the status bar, take
# Japanese text from InsertString and save with only the inserted characters
# changed (signature, line ends and the file's form of the tilde kept); a
# file holding characters code page 932 cannot hold opens write-protected
# after a message that counts them, and Save leaves it as it was; the global
# search over a tree of Shift-JIS, UTF-8 and UTF-16 files (one over the size
# read whole) finds every match on its line.
source "$(dirname "$0")/lib.sh"
e2e_begin utf_files

in=$E2E_WORK/in
want=$E2E_WORK/want
tree=$E2E_WORK/tree
mkdir -p "$in" "$want" "$tree/sub"
python3 - "$in" "$want" "$tree" <<'PY'
import os, sys
folder, wanted, tree = sys.argv[1:4]
def write(path, data):
    with open(path, "wb") as f:
        f.write(data)
# name: (Python codec, signature, text, caret line, caret column counted in
# half-width columns). "追加～" is typed at the caret: the tilde is written in
# the form the file holds (WAVE DASH in u8bom), else as FULLWIDTH TILDE.
typed = "追加"
edits = {
    "u8.txt": ("utf-8", b"", "一行目の文章\n二行目です\n三行目\n", 1, 4),
    "u8bom.txt": ("utf-8", b"\xef\xbb\xbf", "見出し\r\n本文\u301cです\r\n", 1, 6),
    "u16be.txt": ("utf-16-be", b"\xfe\xff", "漢字テキスト\r\n終わり", 1, 0),
}
for name, (codec, sig, text, line, column) in edits.items():
    write(os.path.join(folder, name), sig + text.encode(codec))
    lines = text.split("\n")
    row = lines[line]
    # Full-width characters take two columns.
    chars = 0
    while column > 0:
        column -= 1 if ord(row[chars]) < 0x80 else 2
        chars += 1
    tilde = "\u301c" if "\u301c" in text else "\uff5e"
    lines[line] = row[:chars] + typed + tilde + row[chars:]
    write(os.path.join(wanted, name), sig + "\n".join(lines).encode(codec))
# é and U+1F600 are not in code page 932.
write(os.path.join(folder, "lost.txt"), "café \U0001F600 漢字\n".encode("utf-8"))

# The search tree: the needle 検索語 on known lines, twice on one line.
needle = "検索語"
files = {
    "s.txt": ("shift_jis", b"", "first\r\n日本語の検索語です\r\n"),
    "u8.txt": ("utf-8", b"", "一行目\n検索語と検索語\nなし\n"),
    "sub/u8b.txt": ("utf-8", b"\xef\xbb\xbf", "ａ\r\nｂ\r\nここに検索語\r\n"),
    "sub/le.txt": ("utf-16-le", b"\xff\xfe", "検索語で始まる\r\n二行目\r\n"),
    "sub/be.txt": ("utf-16-be", b"\xfe\xff", "上\n中\n下の検索語"),
    "none.txt": ("utf-8", b"", "見つからない行\n"),
}
big = "大きなファイルの一行です、ascii も少し\n"
files["big.txt"] = ("utf-8", b"", needle + "\n" + big * (2300000 // len(big.encode())) + "最後の" + needle + "\n")
results = []
for name, (codec, sig, text) in files.items():
    path = os.path.join(tree, name)
    write(path, sig + text.encode(codec))
    for n, line in enumerate(text.replace("\r\n", "\n").split("\n"), 1):
        for _ in range(line.count(needle)):
            results.append((name, n, line))
with open(os.path.join(wanted, "hits.txt"), "w") as f:
    for name, n, line in results:
        f.write("%s\t%d\t%s\n" % (name, n, line))
PY

# The code and line-end names are shown in the status bar.
printf '[Settings]\r\nDisplayCodeEnter=1\r\n' >"$E2E_APP/quelt.ini"
quelt_start /Q
check "the editor starts" wait_window "Kav Quelt" 60

# 追加～, typed at the caret by insert_text.vbs.
printf '\xff\xfe\xfd\x8f\xa0\x52\x5e\xff\r\0\n\0' >"$E2E_WORK/typed.txt"
for spec in "u8.txt 1 4 UTF8 LF" "u8bom.txt 1 6 U8BM CRLF" "u16be.txt 1 0 U16B CRLF"; do
  read -r name line column code lineEnd <<<"$spec"
  expect_eq "$name opens" "True" "$(vbs "WScript.Echo CStr(o.FileOpen(\"$(winpath "$in/$name")\"))")"
  vbs "o.SetCaretPos $column, $line" >/dev/null
  run_vbs "$E2E_TESTS/insert_text.vbs" "$(winpath "$E2E_WORK/typed.txt")" 6
  expect_eq "$name shows its code" "$code" "$(probe pane 5 | tr -d ' ')"
  expect_eq "$name shows its line end" "$lineEnd" "$(probe pane 6 | tr -d ' ')"
  vbs 'o.FileSave' >/dev/null
  for _ in $(seq 40); do cmp -s "$want/$name" "$in/$name" && break; sleep 0.25; done
  check "$name is saved with only the typed characters added" cmp "$want/$name" "$in/$name"
  vbs 'o.FileClose' >/dev/null
done

# Characters a save would lose: the message counts them, the document is
# write-protected and shows the geta mark, Save writes nothing.
cp "$in/lost.txt" "$E2E_WORK/lost.before"
(vbs "o.FileOpen \"$(winpath "$in/lost.txt")\"" >/dev/null &)
popup_says() { probe popuptext | grep -qF "$1"; }
for _ in $(seq 80); do popup_says "上書き禁止で開きます" && break; sleep 0.25; done
check "the message says the file opens write-protected" popup_says "上書き禁止で開きます"
check "and counts the two characters" popup_says "文字が 2 個"
xdotool key Return
check "the file opens" wait_window "lost.txt" 30
for _ in $(seq 40); do popup_says "上書き禁止" || break; sleep 0.25; done
expect_eq "the protection is shown" "書禁" "$(probe pane 8 | tr -d ' ')"
expect_eq "é shows as the geta mark" "8100AC" "$(vbs 'o.SetCaretPos 3, 0' 'WScript.Echo Hex(o.GetChar())')"
vbs 'o.InsertString "x", 1' 'o.FileSave' >/dev/null
sleep 0.5
check "Save leaves the file as it was" cmp "$E2E_WORK/lost.before" "$in/lost.txt"
# Save As tells the count again and refuses the file the text came from;
# another name takes the text as it shows.
(vbs "o.FileSaveAs \"$(winpath "$in/LOST.TXT")\"" >/dev/null &)
for _ in $(seq 80); do popup_says "元の形で保存できない" && break; sleep 0.25; done
check "Save As tells the two characters again" popup_says "2 個の文字は元の形で保存できない"
xdotool key Return
for _ in $(seq 80); do popup_says "別の名前を指定" && break; sleep 0.25; done
check "and will not write over the file they came from" popup_says "別の名前を指定"
xdotool key Return
for _ in $(seq 40); do popup_says "別の名前" || break; sleep 0.25; done
check "that file is still as it was" cmp "$E2E_WORK/lost.before" "$in/lost.txt"
(vbs "o.FileSaveAs \"$(winpath "$in/other.txt")\"" >/dev/null &)
for _ in $(seq 80); do popup_says "元の形で保存できない" && break; sleep 0.25; done
xdotool key Return
for _ in $(seq 40); do [ -s "$in/other.txt" ] && break; sleep 0.25; done
expect_eq "another name holds the text as it shows" "$(printf 'caf〓 〓 漢字\n' | od -An -tx1)" \
  "$(od -An -tx1 "$in/other.txt")"
vbs 'o.FileClose' >/dev/null

# The global search, code detected: "検索語" in *.* of the tree and below.
answer_report() { answer_popup "ｸﾞﾛｰﾊﾞﾙ検索" 30 && echo found; }
python3 - "$E2E_WORK/gs.mac" "$(winpath "$tree")" <<'PY'
import struct, sys
data = struct.pack("<8I", 0, 0, 0, 0, 1, 1, 0, 0) + "検索語".encode("cp932") + b"\0*.*\0" + sys.argv[2].encode("cp932") + b"\0"
record = struct.pack("<III", 512, 5, len(data)) + data  # 5: the global search's place in the table
open(sys.argv[1], "wb").write(struct.pack("<IIII", 17, len(record), 1, 200) + b"\0" + record)
PY
vbs "o.PlayOperation \"$(winpath "$E2E_WORK/gs.mac")\"" >/dev/null &
player=$!
expect_eq "the search reports its counts" "found" "$(answer_report)"
wait "$player"
vbs "o.FileSaveAs \"$(winpath "$E2E_WORK/results.txt")\"" >/dev/null
for _ in $(seq 1 40); do [ -s "$E2E_WORK/results.txt" ] && break; sleep 0.25; done
# The result lines in the form of the grep-like list, from what was written.
expected=$(while IFS=$'\t' read -r name n line; do
  printf '%s(%s): %s\n' "$(winpath "$tree/$name")" "$n" "$line"
done <"$want/hits.txt" | LC_ALL=C sort)
got=$(iconv -f CP932 -t UTF-8 "$E2E_WORK/results.txt" | tr -d '\r' | LC_ALL=C sort)
check "the tree holds eight matches" test "$(grep -c . <<<"$expected")" -eq 8
expect_eq "every match on its line in every code" "$expected" "$got"

vbs 'o.Exit' >/dev/null
check "the program ends" wait_gone "$QUELT_PID" 30
e2e_finish
