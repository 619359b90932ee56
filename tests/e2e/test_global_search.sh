#!/bin/bash
# The global search over a folder tree made here: Shift-JIS, EUC and JIS
# files searched with automatic code detection find every match that
# `grep -rn` finds (two on a line give two result lines); the search runs
# from a played-back record and through its dialog; a tag jump from the
# result document opens the file at the line; a search that finds nothing
# leaves no result document.
source "$(dirname "$0")/lib.sh"
e2e_begin global_search

# Waits for the closing report, answers it and echoes "found".
answer_report() { answer_popup "ｸﾞﾛｰﾊﾞﾙ検索" 30 && echo found; }

tree=$E2E_WORK/tree
rm -rf "$tree"
python3 - "$tree" <<'PY'
import os, sys
root = sys.argv[1]
files = {
    "a.txt": ("shift_jis", "first line\r\nneedle here\r\n日本語 needle と needle\r\nnothing\r\n"),
    "sub/b.c": ("euc_jp", "int x; /* 漢字 */\r\n// needle in EUC\r\n"),
    "sub/deeper/c.txt": ("iso2022_jp", "かな needle かな\r\n"),
    "sub/none.txt": ("shift_jis", "no match at all\r\n"),
}
for name, (code, text) in files.items():
    path = os.path.join(root, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    open(path, "wb").write(text.encode(code))
PY
# What grep finds, as result lines: the Windows path, (line): and the line
# in Shift-JIS, once for each match on the line.
export LC_ALL=C
expected=$(cd "$tree" && for f in $(find . -type f | sort); do
  case "$f" in *b.c) enc=EUC-JP ;; *c.txt) enc=ISO-2022-JP ;; *) enc=SHIFT_JIS ;; esac
  iconv -f "$enc" -t SHIFT_JIS "$f" | tr -d '\r' | grep -a -n needle | while IFS= read -r hit; do
    n=${hit%%:*}
    text=${hit#*:}
    count=$(grep -a -o needle <<<"$text" | wc -l)
    for _ in $(seq "$count"); do printf '%s(%s): %s\n' "$(winpath "$tree/${f#./}")" "$n" "$text"; done
  done
done | sort)
check "grep finds the five matches" test "$(grep -c . <<<"$expected")" -eq 5

# A record of the search: matching case off, width distinguished, subfolders
# on, code automatic; "needle" in "*.*" of the tree.
python3 - "$E2E_WORK/gs.mac" "$(winpath "$tree")" <<'PY'
import struct, sys
data = struct.pack("<8I", 0, 0, 0, 0, 1, 1, 0, 0) + b"needle\0*.*\0" + sys.argv[2].encode("cp932") + b"\0"
record = struct.pack("<III", 512, 5, len(data)) + data  # 5: the global search's place in the table
open(sys.argv[1], "wb").write(struct.pack("<IIII", 17, len(record), 1, 200) + b"\0" + record)
PY

quelt_start /Q
check "the program starts" wait_window "Quelt" 60
sleep 1
vbs "o.PlayOperation \"$(winpath "$E2E_WORK/gs.mac")\"" >/dev/null &
player=$!
expect_eq "the played search reports its counts" "found" "$(answer_report)"
wait "$player"
vbs "o.FileSaveAs \"$(winpath "$E2E_WORK/results.txt")\"" >/dev/null
for _ in $(seq 1 40); do [ -s "$E2E_WORK/results.txt" ] && break; sleep 0.25; done
got=$(tr -d '\r' <"$E2E_WORK/results.txt" | sort)
expect_eq "the result lines are what grep finds" "$expected" "$got"
expect_eq "two matches on a line give two lines" "2" "$(grep -c '(3): ' <<<"$got")"

# A tag jump from the first result line opens its file at the line.
vbs 'o.SetCaretPos 0, 0' >/dev/null
first=$(tr -d '\r' <"$E2E_WORK/results.txt" | head -1)
probe command 32785 >/dev/null
name=$(basename "$(sed 's/(.*//; s/.*\\//' <<<"$first")")
check "the tag jump opens $name" wait_window "$name" 20
line=$(sed 's/^[^(]*(\([0-9]*\)).*/\1/' <<<"$first")
expect_eq "at the named line" "$line" "$(( $(vbs 'WScript.Echo o.GetLinePos') + 1 ))"

# The dialog: a text that is nowhere, in the tree's *.txt; nothing found
# leaves no result document.
before=$(probe titles | wc -l)
(probe command 32784 >/dev/null &)
check "the search dialog opens" wait_window "ｸﾞﾛｰﾊﾞﾙ検索" 20
focus "ｸﾞﾛｰﾊﾞﾙ検索"
xdotool type --delay 30 "nowhere-at-all"
xdotool key alt+l
sleep 0.2
xdotool key ctrl+a
xdotool type --delay 20 "$(winpath "$tree")\\*.txt"
xdotool key Return
sleep 1
expect_eq "a search that finds nothing reports" "found" "$(answer_report)"
sleep 0.5
expect_eq "and leaves no result document" "$before" "$(probe titles | wc -l)"

# A search file list written here: "::srcs" searches its mask only.
python3 - "$E2E_APP/quelt.LST" "$(winpath "$tree")\\sub\\*.c" <<'PY'
import struct, sys
mask = sys.argv[2].encode("cp932")
open(sys.argv[1], "wb").write(struct.pack("<II", 1, 1) + b"srcs\0" + mask + b"\0")
PY
python3 - "$E2E_WORK/list.mac" "$(winpath "$tree")" <<'PY'
import struct, sys
data = struct.pack("<8I", 0, 0, 0, 0, 1, 1, 0, 0) + b"needle\0::srcs\0" + sys.argv[2].encode("cp932") + b"\0"
record = struct.pack("<III", 512, 5, len(data)) + data
open(sys.argv[1], "wb").write(struct.pack("<IIII", 17, len(record), 1, 200) + b"\0" + record)
PY
vbs "o.PlayOperation \"$(winpath "$E2E_WORK/list.mac")\"" >/dev/null &
player=$!
expect_eq "the list search reports" "found" "$(answer_report)"
wait "$player"
vbs "o.FileSaveAs \"$(winpath "$E2E_WORK/list_results.txt")\"" >/dev/null
for _ in $(seq 1 40); do [ -s "$E2E_WORK/list_results.txt" ] && break; sleep 0.25; done
expect_eq "a list searches its masks only" "$(grep 'b.c(' <<<"$expected")" "$(tr -d '\r' <"$E2E_WORK/list_results.txt")"

# "検索ﾌｧｲﾙﾘｽﾄ" of a document with a file: a new list with that file.
vbs "o.FileOpen \"$(winpath "$tree/a.txt")\"" >/dev/null
sleep 0.5
(probe command 33034 >/dev/null &)
check "the search file list dialog opens" wait_window "検索ﾌｧｲﾙﾘｽﾄ" 20
focus "検索ﾌｧｲﾙﾘｽﾄ"
xdotool key alt+a
check "the new list asks for its name" wait_window "新規ﾘｽﾄ" 10
focus "新規ﾘｽﾄ"
xdotool type --delay 40 "mine"
xdotool key Return
sleep 0.5
focus "検索ﾌｧｲﾙﾘｽﾄ"
xdotool key alt+f
sleep 0.3
xdotool key alt+l   # back to the names, then OK
sleep 0.2
xdotool key Return
for _ in $(seq 1 40); do probe popups | grep -q "検索ﾌｧｲﾙﾘｽﾄ" || break; sleep 0.25; done
sleep 2   # the file reaches the disk
expect_eq "the lists file holds the new list with the document's file" \
  "srcs:$(winpath "$tree")\\sub\\*.c|mine:$(winpath "$tree")\\a.txt" \
  "$(python3 - "$E2E_APP/quelt.LST" <<'PY'
import struct, sys
b = open(sys.argv[1], "rb").read()
n, = struct.unpack_from("<I", b, 0); p = 4; out = []
for _ in range(n):
    m, = struct.unpack_from("<I", b, p); p += 4
    texts = []
    for _ in range(m + 1):
        e = b.index(b"\0", p); texts.append(b[p:e].decode("cp932")); p = e + 1
    out.append(texts[0] + ":" + ",".join(texts[1:]))
print("|".join(out))
PY
)"

run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the program ends" wait_gone "$QUELT_PID" 30
e2e_finish
