#!/bin/bash
# The text conversions in the running program: each conversion is played
# from an operation file (select all, then the conversion) on a Japanese
# text, the result saved and compared byte for byte; one undo brings the
# text back. Split and join lines are played the same way on long lines.
source "$(dirname "$0")/lib.sh"
e2e_begin conversions

# mac FILE ID...: an operation file of view commands, given by their
# places in the table of recordable commands.
mac() {
  python3 - "$@" <<'PY'
import struct, sys
records = b"".join(struct.pack("<III", 256, int(i), 0) for i in sys.argv[2:])
comment = b"c\0"
open(sys.argv[1], "wb").write(struct.pack("<IIII", len(comment) - 1 + 17, len(records), len(sys.argv) - 2, 200) + comment + records)
PY
}
# sjis TEXT FILE: writes TEXT (UTF-8 here) as Shift-JIS.
sjis() { printf '%s' "$1" | iconv -f UTF-8 -t CP932 >"$2"; }

source_text='hello World, don'"'"'t ｶﾞｷﾞﾊﾟﾞ ｱｲｳ｡ ABC１２３ あいうむ アイウヴ ガ漢字'
sjis "$source_text" "$E2E_WORK/conv.txt"
cp "$E2E_WORK/conv.txt" "$E2E_WORK/original.txt"

quelt_start /Q "$(winpath "$E2E_WORK/conv.txt")"
check "the file opens" wait_window "conv.txt" 60
sleep 1

# convert NAME INDEX EXPECTED: plays select all and the conversion, saves
# the result as NAME.txt, then undoes once and saves the text again.
convert() {
  local name=$1 index=$2 expected=$3
  mac "$E2E_WORK/$name.mac" 29 "$index"
  vbs "o.PlayOperation \"$(winpath "$E2E_WORK/$name.mac")\"" \
      "o.FileSaveAs \"$(winpath "$E2E_WORK/$name.txt")\"" \
      'o.Undo' \
      "o.FileSaveAs \"$(winpath "$E2E_WORK/$name-undone.txt")\"" >/dev/null
  sleep 0.5
  sjis "$expected" "$E2E_WORK/$name-expected.txt"
  check "$name converts the selection" cmp -s "$E2E_WORK/$name-expected.txt" "$E2E_WORK/$name.txt"
  check "one undo takes $name back" cmp -s "$E2E_WORK/original.txt" "$E2E_WORK/$name-undone.txt"
}

convert invert 41 'HELLO wORLD, DON'"'"'T ｶﾞｷﾞﾊﾟﾞ ｱｲｳ｡ abc１２３ あいうむ アイウヴ ガ漢字'
convert upper 42 'HELLO WORLD, DON'"'"'T ｶﾞｷﾞﾊﾟﾞ ｱｲｳ｡ ABC１２３ あいうむ アイウヴ ガ漢字'
convert lower 43 'hello world, don'"'"'t ｶﾞｷﾞﾊﾟﾞ ｱｲｳ｡ abc１２３ あいうむ アイウヴ ガ漢字'
convert capitalize 44 'Hello World, Don'"'"'t ｶﾞｷﾞﾊﾟﾞ ｱｲｳ｡ Abc１２３ あいうむ アイウヴ ガ漢字'
convert to-full 45 'ｈｅｌｌｏ　Ｗｏｒｌｄ，　ｄｏｎ’ｔ　ガギパ゛　アイウ。　ＡＢＣ１２３　あいうむ　アイウヴ　ガ漢字'
convert to-half 46 'hello World, don'"'"'t ｶﾞｷﾞﾊﾟﾞ ｱｲｳ｡ ABC123 あいうむ ｱｲｳｳﾞ ｶﾞ漢字'
convert to-katakana 47 'hello World, don'"'"'t ｶﾞｷﾞﾊﾟﾞ ｱｲｳ｡ ABC１２３ アイウム アイウヴ ガ漢字'
convert to-hiragana 48 'hello World, don'"'"'t ｶﾞｷﾞﾊﾟﾞ ｱｲｳ｡ ABC１２３ あいうむ あいうヴ が漢字'

# Split and join: a 200-character line wraps at the window's wrap column;
# splitting makes every wrapped display line a line of its own, joining
# them again gives the line back, and a short line keeps its end.
long=$(printf 'x%.0s' $(seq 1 200))
printf '%s\r\nshort\r\nend' "$long" >"$E2E_WORK/lines.txt"
cp "$E2E_WORK/lines.txt" "$E2E_WORK/lines-original.txt"
vbs "o.FileOpen \"$(winpath "$E2E_WORK/lines.txt")\"" >/dev/null
sleep 1
mac "$E2E_WORK/split.mac" 29 49
mac "$E2E_WORK/join.mac" 29 50
vbs "o.PlayOperation \"$(winpath "$E2E_WORK/split.mac")\"" \
    "o.FileSaveAs \"$(winpath "$E2E_WORK/split.txt")\"" \
    "o.PlayOperation \"$(winpath "$E2E_WORK/join.mac")\"" \
    "o.FileSaveAs \"$(winpath "$E2E_WORK/joined.txt")\"" >/dev/null
sleep 0.5
lines=$(tr -d '\r' <"$E2E_WORK/split.txt" | head -n -2)
widths=$(echo "$lines" | awk '{ print length($0) }' | sort -u | tr '\n' ' ')
count=$(echo "$lines" | wc -l)
check "split turns the wrapped line into several lines ($count of widths $widths)" test "$count" -gt 1
expect_eq "split keeps every character" "$long" "$(echo "$lines" | tr -d '\n')"
expect_eq "split leaves the short lines" "short|end" "$(tr -d '\r' <"$E2E_WORK/split.txt" | tail -n 2 | tr '\n' '|')"
check "join gives the long line back and keeps the short line's end" cmp -s "$E2E_WORK/lines-original.txt" "$E2E_WORK/joined.txt"

e2e_finish
