#!/bin/bash
# Character codes and line ends through the real program: files in
# Shift-JIS, JIS and EUC with CR LF, CR and LF are opened with the
# automation object's FileOpen (code and line end detected) and written with
# FileSaveAs (in the same code and line end); every one comes back byte for
# byte. A JIS file whose last kanji run is not closed is written with the
# closing ESC ( B, and a file over 2,097,152 bytes opens unconverted.
source "$(dirname "$0")/lib.sh"
e2e_begin codes_roundtrip

in=$E2E_WORK/in
out=$E2E_WORK/out
mkdir -p "$in" "$out"
python3 - "$in" <<'PY'
import sys, os
folder = sys.argv[1]
# Kanji, hiragana, full-width symbols and ASCII; each line ends in a
# different class of character, the last line has no line end.
lines = ["Quelt 文字コードの試験です。", "漢字とかなカナ、記号※〒", "ASCII only line 123", "最後の行は漢字"]
kana = b"\xb1\xb2\xdf"  # half-width katakana, one byte each in Shift-JIS
ends = {"crlf": b"\r\n", "cr": b"\r", "lf": b"\n"}
def write(name, data):
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)
for le, eol in ends.items():
    sjis = [l.encode("shift_jis") for l in lines]
    sjis[2] += kana
    write("sjis_%s.txt" % le, eol.join(sjis))
    euc = [l.encode("euc_jp") for l in lines]
    euc[2] += b"".join(b"\x8e" + bytes([k]) for k in kana)
    write("euc_%s.txt" % le, eol.join(euc))
    # JIS: ESC $ B ... ESC ( B around every kanji run, the katakana 8-bit.
    jis = [l.encode("iso2022_jp") for l in lines]
    jis[2] += kana
    write("jis_%s.txt" % le, eol.join(jis))
# A JIS file whose last kanji run is left open.
data = "先頭行\n末尾は漢字".encode("iso2022_jp")
assert data.endswith(b"\x1b(B")
write("jis_open.txt", data[:-3])
# Over the conversion limit: EUC with LF, more than 2,097,152 bytes.
block = "大きな文書の一行です abc\n".encode("euc_jp")
write("big_euc.txt", block * (2097152 // len(block) + 10))
PY

names="sjis_crlf sjis_cr sjis_lf jis_crlf jis_cr jis_lf euc_crlf euc_cr euc_lf jis_open big_euc"
args=()
for n in $names; do args+=("$(winpath "$in/$n.txt")" "$(winpath "$out/$n.txt")"); done

quelt_start /Q
check "the editor starts" wait_window "Kav Quelt" 60
result=$(run_vbs "$E2E_TESTS/codes_roundtrip.vbs" "${args[@]}")
want=""
i=0
for n in $names; do want+="$i=True,True,True"$'\n'; i=$((i + 1)); done
want+="Done"
expect_eq "FileOpen, FileSaveAs and FileClose of every file" "$want" "$result"

for n in sjis_crlf sjis_cr sjis_lf jis_crlf jis_cr jis_lf euc_crlf euc_cr euc_lf big_euc; do
  check "$n comes back byte for byte" cmp "$in/$n.txt" "$out/$n.txt"
done
# The open kanji run is closed at the end of the saved file.
expect_eq "jis_open gains the final ESC ( B" "$(xxd -p "$in/jis_open.txt" | tr -d '\n')1b2842" \
  "$(xxd -p "$out/jis_open.txt" 2>/dev/null | tr -d '\n')"
# The converted files really were converted: no internal CR LF in the CR
# and LF files, and no Shift-JIS lead bytes in the EUC file.
check "sjis_lf holds no CR" bash -c "! grep -q $'\r' '$out/sjis_lf.txt'"
check "euc_lf is still EUC" bash -c "cmp -s '$in/euc_lf.txt' '$out/euc_lf.txt' && ! cmp -s '$in/euc_lf.txt' '$in/sjis_lf.txt'"

run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the program ends" wait_gone "$QUELT_PID" 30
e2e_finish
