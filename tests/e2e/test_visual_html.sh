#!/bin/bash
# The HTML visual mode: a page opened with the open dialog's kind
# "HTMLﾋﾞｼﾞｭｱﾙ" shows formatted; text typed and made bold through the
# character dialog is saved back as HTML of the supported subset.
source "$(dirname "$0")/lib.sh"
html_mode_value() {
  tr -d '\r' <"$E2E_APP/quelt.INI" | awk -v key="$1" '
    /^\[/ { section = $0; next }
    section == "[HtmlMode]" && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }'
}
e2e_begin visual_html

page="$E2E_WORK/page.html"
printf '<HTML><HEAD><TITLE>t</TITLE></HEAD><BODY>\r\nplain <b>bold</b> <FONT COLOR="#FF0000">red</FONT><BR>next\r\n</BODY></HTML>' >"$page"
printf '[Settings]\r\nWindowPos=0,1,-1,-1,-1,-1,0,0,1000,800\r\n[HtmlMode]\r\nHylDisplayRulerBar=1\r\nHylDisplayLineBar=1\r\n' >"$E2E_APP/quelt.INI"
quelt_start /Q
check "the program starts" wait_window "Quelt" 60
sleep 1

# The open dialog, kind 4 of its list.
(probe command 57601 >/dev/null &)
sleep 2
dialog=$(xdotool search --onlyvisible --name "." | while read -r w; do
  n=$(xdotool getwindowname "$w" 2>/dev/null); case "$n" in *Quelt*) ;; *) echo "$w";; esac; done | head -1)
check "the open dialog shows" test -n "$dialog"
xdotool windowactivate --sync "$dialog" 2>/dev/null
sleep 0.3
xdotool key alt+k Home Down Down Down Down
xdotool key alt+n
xdotool type "$(winpath "$page")"
xdotool key Return
check "the page opens in a window of its own" wait_window "page.html" 20
sleep 1.5
screenshot "$E2E_WORK/visual.png"
expect_eq "the visual window is there" "0" "$(probe rect QueltHylEV >/dev/null; echo $?)"
read -r vl vt vr vb vv <<<"$(probe rect QueltHylEV)"
read -r rl rt rr rb rv <<<"$(probe rect QueltHylRuler)"
check "a ruler of the visual view is shown and lies above or left of the text ($rl $rt $rv)" test "${rv:-0}" = 1 -a "${rt:-9999}" -le "$vt"
convert "$E2E_WORK/visual.png" "$E2E_WORK/visual.ppm"
python3 - "$E2E_TESTS" "$E2E_WORK/visual.ppm" "$vl" "$vt" "$vr" "$vb" >"$E2E_WORK/pixels.txt" <<'PY'
import sys
sys.path.insert(0, sys.argv[1])
from netpbm import read_netpbm
w, h, px = read_netpbm(sys.argv[2], b"P6")
l, t, r, b = map(int, sys.argv[3:7])
red = dark = 0
for y in range(t, min(b, t + 300, h)):
    for x in range(l, min(r, w)):
        p = px[3 * (y * w + x):3 * (y * w + x) + 3]
        if p[0] > 180 and p[1] < 80 and p[2] < 80: red += 1
        if p[0] < 60 and p[1] < 60 and p[2] < 60: dark += 1
print(red, dark)
PY
read -r red dark <"$E2E_WORK/pixels.txt"
check "red text shows ($red pixels)" test "${red:-0}" -gt 20
check "dark text shows ($dark pixels)" test "${dark:-0}" -gt 50

# Type at the end of the first paragraph and make the new word bold.
focus "page.html"
xdotool mousemove $((vl + 200)) $((vt + 200)) click 1
sleep 0.3
xdotool key ctrl+Home Down End
xdotool type " new"
xdotool key shift+Left shift+Left shift+Left
(probe command 32911 >/dev/null &)
check "the character dialog opens" wait_window "文字" 10
focus "文字"
xdotool key alt+b Return
check "the character dialog closes" wait_no_window "文字" 10
probe command 57603 >/dev/null
sleep 1
expect_eq "the page is saved as HTML" \
  "$(printf '<HTML><HEAD><TITLE>t</TITLE></HEAD><BODY>\r\nplain <B>bold</B> <FONT COLOR="#FF0000">red</FONT><BR>next <B>new</B>\r\n</BODY></HTML>')" \
  "$(cat "$page")"
# Undo takes back what was typed; a formatted copy pastes with its bold;
# the link command links the selection; the raw centring tag is text.
focus "page.html"
xdotool key ctrl+End Left
xdotool type "zz"
xdotool key ctrl+z
sleep 0.3
xdotool key ctrl+Home Right Right Right Right Right Right shift+Right shift+Right shift+Right shift+Right ctrl+c
xdotool key ctrl+End Left ctrl+v
xdotool key ctrl+Home shift+Right shift+Right shift+Right shift+Right shift+Right
(probe command 32912 >/dev/null &)
check "the link dialog opens" wait_window "ﾘﾝｸ" 10
focus "ﾘﾝｸ"
xdotool key alt+l
xdotool type "a.html"
xdotool key Return
check "the link dialog closes" wait_no_window "ﾘﾝｸ" 10
focus "page.html"
xdotool key ctrl+End Left shift+Left shift+Left shift+Left shift+Left
probe command 32913 >/dev/null
sleep 0.3
# Typing after the character dialog without a selection: the new text
# takes the change (bold off, italic on).
xdotool key ctrl+End Left
(probe command 32911 >/dev/null &)
check "the character dialog opens at the caret" wait_window "文字" 10
focus "文字"
screenshot "$E2E_WORK/char_dialog.png"
xdotool key alt+b alt+i Return
check "the character dialog closes" wait_no_window "文字" 10
focus "page.html"
xdotool type "q"
probe command 57603 >/dev/null
sleep 1
expect_eq "undo, the formatted paste, the link, the raw tag and the caret's format are saved" \
  "$(printf '<HTML><HEAD><TITLE>t</TITLE></HEAD><BODY>\r\n<A HREF="a.html">plain</A> <B>bold</B> <FONT COLOR="#FF0000">red</FONT><BR>next <B>new<CENTER>bold</CENTER></B><I>q</I>\r\n</BODY></HTML>')" \
  "$(cat "$page")"

# The visual mode's common settings: the line-break marks turned off, a
# tab width out of range refused with a beep first.
(probe command 32919 >/dev/null &)
check "the visual settings sheet opens" wait_window "HTMLﾋﾞｼﾞｭｱﾙ共通設定" 10
focus "HTMLﾋﾞｼﾞｭｱﾙ共通設定"
xdotool key alt+w ctrl+a
xdotool type "300"
xdotool key Return
sleep 0.5
check "a tab width of 300 keeps the sheet open" wait_window "HTMLﾋﾞｼﾞｭｱﾙ共通設定" 3
xdotool key alt+w ctrl+a
xdotool type "20"
xdotool key alt+e Return
sleep 1
check "the sheet closes" wait_no_window "HTMLﾋﾞｼﾞｭｱﾙ共通設定" 10
vbs "o.Exit" >/dev/null
check "the program ends" wait_gone "$QUELT_PID" 30
expect_eq "the line-break marks are off" "0" "$(html_mode_value DisplayEnter)"
expect_eq "the tab width is kept" "20" "$(html_mode_value TabWidth)"
e2e_finish
