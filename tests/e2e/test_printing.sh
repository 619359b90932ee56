#!/bin/bash
# e2e: alone
# (It prints through the one print scheduler and reads the PDF folder every
# job lands in, so no other test may print beside it.)
# Printing on a real printer: CUPS with the PDF printer as the default
# queue (started here when it is not running). The page-layout dialog sets
# the margins and the line spacing (kept in the state file); a Japanese
# document prints through the print dialog and the PDF has
# ⌈printed lines ÷ lines per page⌉ pages whose first page shows the header
# band at the top, the text rows from the top margin with line numbers at
# the left margin, nothing past the right margin and the footer band at the
# bottom. A selection prints only its lines (the dialog preselects it); a
# recorded print of page 2 plays back without the dialog; print preview
# shows the first page and closes.
source "$(dirname "$0")/lib.sh"
e2e_begin printing

queue=QueltPDF
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
out_dir=$HOME/PDF
for tool in cupsd lpadmin lpstat pdfinfo pdftoppm; do
  command -v "$tool" >/dev/null || { fail "$tool missing (scripts/setup installs it)"; e2e_finish; }
done
if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
  cupsd
  for _ in $(seq 1 40); do lpstat -r 2>/dev/null | grep -q 'is running' && break; sleep 0.25; done
fi
check "the print scheduler runs" sh -c "lpstat -r | grep -q 'is running'"
lpstat -p "$queue" >/dev/null 2>&1 || lpadmin -p "$queue" -v cups-pdf:/ -E -P "$ppd" 2>/dev/null
lpadmin -d "$queue"
check "the PDF printer is the default" sh -c "lpstat -d | grep -q $queue"
mkdir -p "$out_dir"

# Waits for the next PDF the printer writes (newer than the marker) and
# echoes its path; cups-pdf writes it in pieces, so its size must settle.
marker=$E2E_WORK/marker
next_pdf() {
  local f size
  for _ in $(seq 1 120); do
    f=$(find "$out_dir" -name '*.pdf' -newer "$marker" 2>/dev/null | head -1)
    if [ -n "$f" ]; then
      size=-1
      while [ "$(stat -c %s "$f")" != "$size" ]; do size=$(stat -c %s "$f"); sleep 0.5; done
      touch "$marker"
      sleep 0.1
      echo "$f"
      return 0
    fi
    sleep 0.25
  done
  return 1
}
# The title of the program's first dialog, once one shows.
wait_popup() {
  local title
  for _ in $(seq 1 80); do
    title=$(probe popups | head -1)
    [ -n "$title" ] && { echo "$title"; return 0; }
    sleep 0.25
  done
  return 1
}
# Confirms the dialog of that title with Return.
answer_popup() {
  [ -n "$1" ] && focus "$1"
  sleep 0.3
  xdotool key Return
  for _ in $(seq 1 40); do [ -z "$(probe popups)" ] && break; sleep 0.25; done
}
pages_of() { pdfinfo "$1" 2>/dev/null | awk '/^Pages:/ { print $2 }'; }
# The bands of dark rows of page 1 at 127 dots per inch (a pixel is 0.2 mm).
bands_of() {
  pdftoppm -f 1 -l 1 -r 127 -gray "$1" "$E2E_WORK/page" && python3 "$E2E_TESTS/print_pages.py" "$E2E_WORK"/page-*1.pgm
  rm -f "$E2E_WORK"/page-*.pgm
}

# 150 lines of Japanese text; line 3 is 200 characters long and wraps.
python3 - "$E2E_WORK/doc.txt" <<'PY'
import sys
lines = ["行%03d 日本語の印刷テスト" % i for i in range(1, 151)]
lines[2] = "W" * 200
open(sys.argv[1], "wb").write(("\r\n".join(lines) + "\r\n").encode("cp932"))
PY

quelt_start /Q "$(winpath "$E2E_WORK/doc.txt")"
check "the document opens" wait_window "doc.txt" 60
sleep 1

# 1. The page layout: left 15 mm, right 60 mm (fewer columns than the wrap
# column), line spacing 2 mm.
(probe command 32791 >/dev/null &)
check "the page-layout dialog opens" wait_window "ﾍﾟｰｼﾞﾚｲｱｳﾄの設定" 20
focus "ﾍﾟｰｼﾞﾚｲｱｳﾄの設定"
xdotool key alt+e; xdotool type --delay 40 "15"
xdotool key alt+r; xdotool type --delay 40 "60"
xdotool key alt+l; xdotool type --delay 40 "2"
sleep 0.3
xdotool key Return
for _ in $(seq 1 40); do window_titles | grep -qF "ﾍﾟｰｼﾞﾚｲｱｳﾄの設定" || break; sleep 0.25; done
check "the dialog closes on OK" sh -c "! xdotool search --onlyvisible --name 'ﾍﾟｰｼﾞﾚｲｱｳﾄの設定' >/dev/null"

# 2. The whole document through the print dialog.
touch "$marker"
sleep 1
(probe command 57607 >/dev/null &)
dialog=$(wait_popup)
expect_ne "the print dialog opens" "" "$dialog"
answer_popup "$dialog"
pdf=$(next_pdf)
check "the document arrives as a PDF" test -n "$pdf"
if [ -n "$pdf" ]; then
  bands_of "$pdf" >"$E2E_WORK/bands.txt"
  cp "$pdf" "$E2E_WORK/all.pdf"
  read -r _ width height < <(grep '^size' "$E2E_WORK/bands.txt")
  grep '^band' "$E2E_WORK/bands.txt" >"$E2E_WORK/rows.txt"
  rows=$(wc -l <"$E2E_WORK/rows.txt")
  header=$(head -1 "$E2E_WORK/rows.txt")
  footer=$(tail -1 "$E2E_WORK/rows.txt")
  # Text rows: the bands between header and footer.
  sed '1d;$d' "$E2E_WORK/rows.txt" >"$E2E_WORK/text.txt"
  per_page=$(wc -l <"$E2E_WORK/text.txt")
  # 149 short lines and the long one in three printed lines.
  want_pages=$(( (152 + per_page - 1) / per_page ))
  expect_eq "pages: ⌈printed lines ÷ lines per page⌉ ($per_page a page)" "$want_pages" "$(pages_of "$pdf")"
  check "the page holds many rows" test "$per_page" -ge 20
  read -r _ hy0 hy1 _ _ <<<"$header"
  read -r _ fy0 fy1 _ _ <<<"$footer"
  check "the header band lies above the top margin (10 mm)" test "$hy1" -lt 50
  check "the footer band lies below the bottom margin" test "$fy0" -gt $((height - 50))
  read -r _ ty0 _ tx0 _ < <(head -1 "$E2E_WORK/text.txt")
  check "the first text row starts at the top margin" test "$ty0" -ge 50 -a "$ty0" -lt 70
  # Line numbers at the left margin (15 mm = 75 pixels) on every row.
  left_ok=$(awk '$4 >= 73 && $4 <= 85' "$E2E_WORK/text.txt" | wc -l)
  expect_eq "every text row begins at the left margin" "$per_page" "$left_ok"
  # Nothing past the right margin (60 mm = 300 pixels from the right edge).
  right_max=$(awk 'BEGIN { m = 0 } $5 > m { m = $5 } END { print m }' "$E2E_WORK/text.txt")
  check "nothing past the right margin ($right_max < $((width - 300)))" test "$right_max" -lt $((width - 300))
  check "the wrapped line reaches close to it" test "$right_max" -gt $((width - 340))
  # Line spacing 2 mm: rows are at least 10 pixels apart.
  gaps_ok=$(awk 'NR > 1 && $2 - prev >= 10 { n++ } { prev = $3 } END { print n + 0 }' "$E2E_WORK/text.txt")
  expect_eq "rows keep the line spacing" "$((per_page - 1))" "$gaps_ok"
fi

# 3. The last five lines selected: the dialog preselects the selection.
vbs 'o.MoveCaret 17' >/dev/null
focus "doc.txt"
xdotool key Home shift+Up shift+Up shift+Up shift+Up shift+Up
sleep 0.3
(probe command 57607 >/dev/null &)
answer_popup "$(wait_popup)"
pdf=$(next_pdf)
check "the selection arrives as a PDF" test -n "$pdf"
if [ -n "$pdf" ]; then
  expect_eq "the selection prints on one page" "1" "$(pages_of "$pdf")"
  # Five text rows between the header and the footer.
  expect_eq "only the selected lines print" "7" "$(bands_of "$pdf" | grep -c '^band')"
fi

# 4. A recorded print of page 2 plays back without the dialog.
python3 - "$E2E_WORK/page2.mac" <<'PY'
import struct, sys
data = struct.pack("<3I", 2, 2, 2)
record = struct.pack("<III", 512, 33, len(data)) + data  # 33: print's place in the table
open(sys.argv[1], "wb").write(struct.pack("<IIII", 17, len(record), 1, 200) + b"\0" + record)
PY
vbs 'o.MoveCaret 16' >/dev/null
vbs "o.PlayOperation \"$(winpath "$E2E_WORK/page2.mac")\"" >/dev/null
pdf=$(next_pdf)
check "the played print arrives without a dialog" test -n "$pdf"
[ -n "$pdf" ] && expect_eq "only page 2 prints" "1" "$(pages_of "$pdf")"

# 5. Print preview shows the first page; Page Down turns it; Escape closes it.
(probe command 57609 >/dev/null &)
check "print preview opens" wait_window "印刷ﾌﾟﾚﾋﾞｭｰ" 30
sleep 1.5
screenshot "$E2E_WORK/preview.png"
cp "$E2E_WORK/preview.png" "$E2E_ROOT/build/e2e/print-preview.png" 2>/dev/null
# The page: a white sheet with dark text on it, in the middle of the window.
white=$(convert "$E2E_WORK/preview.png" -crop 300x300+490+300 -fx 'p>0.95?1:0' -format '%[fx:mean]' info: 2>/dev/null)
dark=$(convert "$E2E_WORK/preview.png" -crop 400x500+440+200 -colorspace gray -fx 'p<0.4?1:0' -format '%[fx:mean]' info: 2>/dev/null)
check "the preview shows a white page ($white)" python3 -c "import sys; sys.exit(0 if float('${white:-0}') > 0.5 else 1)"
check "with text on it ($dark)" python3 -c "import sys; sys.exit(0 if float('${dark:-0}') > 0.002 else 1)"
focus "印刷ﾌﾟﾚﾋﾞｭｰ"
xdotool key Next
sleep 0.5
xdotool key Escape
for _ in $(seq 1 40); do window_titles | grep -qF "印刷ﾌﾟﾚﾋﾞｭｰ" || break; sleep 0.25; done
check "Escape closes the preview" sh -c "! xdotool search --onlyvisible --name '印刷ﾌﾟﾚﾋﾞｭｰ' >/dev/null"

run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the program ends" wait_gone "$QUELT_PID" 30
# The page layout is kept in the state file: left 150, right 600, line
# spacing 20 tenths of a millimetre.
word() { od -An -tu4 -j "$1" -N4 "$E2E_APP/quelt.DAT" 2>/dev/null | tr -d ' '; }
expect_eq "the state file keeps the margins and spacing" "150 600 20" "$(word 72) $(word 76) $(word 276)"
e2e_finish
