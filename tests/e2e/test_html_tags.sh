#!/bin/bash
# The HTML tag commands in the running program: each dialog reached by its
# command inserts its text round the selection or at the caret, and the
# document saved afterwards holds exactly the expected bytes; the block
# tags, the lists, repeat and tag erase work on the selection; the free tag
# form is played from an operation file without its dialog.
source "$(dirname "$0")/lib.sh"
e2e_begin html_tags

doc=$E2E_WORK/tags.html
hex_of() { xxd -p "$1" 2>/dev/null | tr -d '\n'; }
hexs() { printf '%s' "$1" | xxd -p | tr -d '\n'; }
# Saves the active document and waits up to 5 s for the file to hold want.
saved() {
  local want now
  want=$(hexs "$1")
  vbs 'o.FileSave' >/dev/null
  for _ in $(seq 1 20); do
    now=$(hex_of "$doc")
    [ "$now" == "$want" ] && break
    sleep 0.25
  done
  echo "$now"
}
# The saved document holds exactly want (shown as text when it does not).
expect_doc() {
  local got
  got=$(saved "$2")
  if [ "$got" == "$(hexs "$2")" ]; then pass; else fail "$1: expected '$2', got '$(echo "$got" | xxd -r -p)'"; fi
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
play() { vbs "o.PlayOperation \"$(winpath "$1")\"" >/dev/null; sleep 0.3; }
# Replaces the whole text (VBScript expression), the caret at its end.
set_text() {
  probe command 32803 >/dev/null
  vbs 'o.DeleteString' "s = $1" 'If Len(s) > 0 Then o.InsertString s, Len(s)' >/dev/null
}
# Selects from the start of the text: n characters to the right, or all.
select_chars() {
  local recs=(16 2 -) i
  for ((i = 0; i < $1; i++)); do recs+=(20 1 -); done
  make_mac "$E2E_WORK/sel.mac" "${recs[@]}"
  play "$E2E_WORK/sel.mac"
}
select_all() { make_mac "$E2E_WORK/all.mac" 16 2 - 17 3 -; play "$E2E_WORK/all.mac"; }
type_at_caret() { vbs "o.InsertString \"$1\", ${#1}" >/dev/null; }
# Runs a command whose dialog has the title, answers it with keys (words
# "type:TEXT" type TEXT, "rep:N:KEY" press KEY N times) and waits until it
# is gone.
dialog() {
  local cmd=$1 title=$2 k
  shift 2
  (probe command "$cmd" >/dev/null &)
  if ! wait_window "$title" 20; then
    fail "the dialog $title opens"
    return 1
  fi
  focus "$title"
  for k in "$@"; do
    case $k in
      type:*) xdotool type --delay 40 "${k#type:}" ;;
      sleep:*) sleep "${k#sleep:}" ;;
      rep:*) k=${k#rep:}; xdotool key --delay 30 --repeat "${k%%:*}" "${k#*:}" ;;
      *) xdotool key "$k" ;;
    esac
    sleep 0.15
  done
  for _ in $(seq 1 40); do window_titles | grep -qF -- "$title" || return 0; sleep 0.25; done
  fail "the dialog $title closes"
}
CRLF=$'\r\n'

: >"$doc"
rm -f "$E2E_APP/quelt.cab" "$E2E_APP"/*.DAT
quelt_start /Q "$(winpath "$doc")"
check "the file opens" wait_window "tags.html" 60
sleep 1

# The paragraph round abc; the caret ends after </P>. Repeat is disabled
# before any tag was inserted.
set_text '"abc"'
expect_eq "repeat starts disabled" "grayed" "$(probe buttonstate 32958)"
select_chars 3
probe command 32937 >/dev/null
type_at_caret "X"
expect_doc "paragraph round the selection" "<P>abc</P>X"

# Centring without a selection: both tags at the caret, the caret after them.
set_text '""'
probe command 32913 >/dev/null
type_at_caret "X"
expect_doc "centring at the caret" "<CENTER></CENTER>X"

# A definition list over three lines: DT and DD in turn.
set_text '"l1" & vbCrLf & "l2" & vbCrLf & "l3"'
select_all
probe command 32938 >/dev/null
want="<DL>${CRLF}<DT>l1${CRLF}<DD>l2${CRLF}<DT>l3</DL>"
expect_doc "definition list" "$want"

# A bullet list of two lines.
set_text '"a" & vbCrLf & "b"'
select_all
probe command 32915 >/dev/null
want="<UL>${CRLF}<LI>a${CRLF}<LI>b</UL>"
expect_doc "bullet list" "$want"

# The character dialog: bold and italic at 11 points give no FONT.
set_text '"t"'
select_chars 1
dialog 32911 "文字" alt+b alt+i Return
expect_doc "bold and italic" "<B><I>t</I></B>"
# It opens with the values kept: a colour chosen as it stands (black).
set_text '"t"'
select_chars 1
dialog 32911 "文字" alt+c sleep:1.5 Return sleep:0.5 Return
want='<B><I><FONT COLOR="#000000">t</FONT></I></B>'
expect_doc "black is a colour" "$want"
# ﾘｾｯﾄ takes the colour away.
set_text '"t"'
select_chars 1
dialog 32911 "文字" alt+r Return
expect_doc "reset colour" "<B><I>t</I></B>"

# Link round the selection; anchor at the caret.
set_text '"x"'
select_chars 1
dialog 32912 "ﾘﾝｸ" alt+l type:a.html Return
want='<A HREF="a.html">x</A>'
expect_doc "link" "$want"
set_text '""'
dialog 32934 "ｱﾝｶｰ" alt+n type:n1 Return
want='<A NAME="n1"></A>'
expect_doc "anchor" "$want"

# Heading H3 round the selection.
set_text '"h"'
select_chars 1
dialog 32950 "見出し" alt+3 Return
expect_doc "heading" "<H3>h</H3>"

# The image with its attributes in order; repeat inserts it again.
set_text '""'
dialog 32927 "ｲﾒｰｼﾞ" alt+f type:p.gif alt+a type:alt alt+p Down alt+w Tab type:40 alt+b Return
img='<IMG SRC="p.gif" ALT="alt" ALIGN="top" WIDTH=40 BORDER=1>'
expect_doc "image" "$img"
expect_eq "repeat is enabled after an insertion" "enabled" "$(probe buttonstate 32958)"
type_at_caret " "
probe command 32958 >/dev/null
expect_doc "repeat inserts the image again" "$img $img"

# The page sheet: a title, then the background colour applied on the
# colour page; it opens again at that page.
set_text '""'
dialog 32926 "ﾍﾟｰｼﾞ" type:T shift+Tab Right alt+1 Return
head="<HTML>${CRLF}<HEAD>${CRLF}<TITLE>T</TITLE>${CRLF}</HEAD>${CRLF}"
tail="${CRLF}</BODY>${CRLF}</HTML>${CRLF}"
want="${head}<BODY BGCOLOR=\"#C0C0C0\">${CRLF}${tail}"
expect_doc "page" "$want"
set_text '""'
dialog 32926 "ﾍﾟｰｼﾞ" alt+2 Return
want="${head}<BODY BGCOLOR=\"#C0C0C0\" TEXT=\"#000000\">${CRLF}${tail}"
expect_doc "the page sheet reopens at its colour page" "$want"

# The free tag form from its dialog, then played from an operation file
# (table index 65) round a selection without the dialog.
set_text '""'
dialog 33019 "ﾀｸﾞの挿入" alt+p type:'<S>' alt+s type:'</S>' Return
expect_doc "free tag form" "<S></S>"
set_text '"u"'
make_mac "$E2E_WORK/form.mac" 16 2 - 20 1 - 256 65 "$(hexs '<U>')00$(hexs '</U>')00"
play "$E2E_WORK/form.mac"
expect_doc "the played free tag form" "<U>u</U>"
expect_eq "played without its dialog" "" "$(probe popups | grep "ﾀｸﾞの挿入")"
# Data that does not decode inserts nothing.
set_text '"u"'
make_mac "$E2E_WORK/bad.mac" 16 2 - 20 1 - 256 65 "3c553e"
play "$E2E_WORK/bad.mac"
expect_doc "bad form data inserts nothing" "u"

# Tag erase: every tag of the selection, one undo step each.
set_text '"<B>bold</B> text"'
select_all
probe command 32951 >/dev/null
expect_doc "tags erased" "bold text"
vbs 'o.Undo' >/dev/null
expect_doc "one undo brings one tag back" "bold</B> text"

# ---- Tables ----
# The table area with every list at 標準: the bare BORDER flag; round a
# line that ends with its line break the closing text loses its CR LF.
set_text '"r" & vbCrLf'
select_all
dialog 32929 "表領域の設定" Return
want="${CRLF}<TABLE BORDER>${CRLF}r${CRLF}</TABLE>${CRLF}"
expect_doc "table area round a whole line" "$want"
# Border 0 removes the attribute; 指定する writes the background colour.
set_text '""'
dialog 32929 "表領域の設定" alt+b Down alt+g Down Return
want="${CRLF}<TABLE BGCOLOR=\"#C0C0C0\">${CRLF}${CRLF}</TABLE>${CRLF}"
expect_doc "table area with border 0 and a background" "$want"
set_text '""'
dialog 32930 "表題タグの設定" alt+p Down Return
expect_doc "caption at the top" '<CAPTION ALIGN="top"></CAPTION>'
# A header cell spanning two rows, 50% wide; the data cell keeps the values.
set_text '""'
dialog 32931 "ヘッダタグの設定" alt+r rep:3:Down alt+w rep:51:Down Return
expect_doc "header cell" '<TH ROWSPAN=2 WIDTH=50%></TH>'
set_text '""'
dialog 32932 "データタグの設定" Return
expect_doc "data cell with the kept values" '<TD ROWSPAN=2 WIDTH=50%></TD>'
set_text '""'
dialog 32933 "段区切りの設定" alt+h Down Down Return
expect_doc "row break" '<TR ALIGN="center">'
# The wizard: 2 x 2 with title T; the first cell aligned left through 位置設定.
set_text '""'
dialog 32928 "表ｳｨｻﾞｰﾄﾞ" alt+r type:2 alt+c type:2 alt+t type:T alt+r shift+Tab Right Tab type:a \
  alt+p sleep:1 alt+h Down Return sleep:0.5 Tab type:b Tab Tab Tab type:c Tab type:d Return
want="${CRLF}<TABLE BORDER><CAPTION>T</CAPTION>${CRLF}<TR>${CRLF}<TD ALIGN=\"left\">a</TD><TD>b</TD>${CRLF}<TR>${CRLF}<TD>c</TD><TD>d</TD>${CRLF}</TABLE>${CRLF}"
expect_doc "table wizard" "$want"
# Nine rows are refused: the sheet stays until it is cancelled.
set_text '""'
(probe command 32928 >/dev/null &)
check "the wizard opens again" wait_window "表ｳｨｻﾞｰﾄﾞ" 20
focus "表ｳｨｻﾞｰﾄﾞ"
xdotool key shift+Tab Left
sleep 0.3
xdotool key alt+r
xdotool type 9
xdotool key Return
sleep 1
check "nine rows keep the sheet open" wait_window "表ｳｨｻﾞｰﾄﾞ" 2
xdotool key Escape
sleep 1
expect_doc "nothing inserted" ""

# ---- Forms and frames ----
set_text '"f" & vbCrLf'
select_all
dialog 32942 "領域" Return
want="${CRLF}<FORM METHOD=\"POST\" ACTION=\"mailto:\">${CRLF}f${CRLF}</FORM>${CRLF}"
expect_doc "form area round a whole line" "$want"
set_text '""'
dialog 32943 "テキスト" Return
expect_doc "text field with empty name and value" '<INPUT TYPE="text" NAME="" VALUE="">'
set_text '""'
dialog 32944 "ラジオボタン" alt+n type:r alt+v type:1 alt+c Return
expect_doc "radio button" '<INPUT TYPE="radio" NAME="r" VALUE="1" CHECKED>'
set_text '""'
dialog 32945 "チェックボックス" alt+n type:c Return
expect_doc "check box" '<INPUT TYPE="checkbox" NAME="c">'
set_text '""'
dialog 32946 "送信ボタン" alt+n type:go Return
expect_doc "submit button" '<INPUT TYPE="submit" VALUE="go">'
set_text '""'
dialog 32947 "リセットボタン" alt+n type:no Return
expect_doc "reset button" '<INPUT TYPE="reset" VALUE="no">'
set_text '"o1" & vbCrLf & "o2" & vbCrLf & "o3"'
select_all
dialog 32948 "選択ボックス" alt+n type:s Return
want="${CRLF}<SELECT NAME=\"s\">${CRLF}<OPTION>o1${CRLF}<OPTION>o2${CRLF}<OPTION>o3${CRLF}</SELECT>${CRLF}"
expect_doc "selection box with an item per line" "$want"
set_text '""'
dialog 32949 "テキストエリア" alt+n type:t alt+c type:40 Return
expect_doc "text area" '<TEXTAREA NAME="t" COLS=40></TEXTAREA>'
set_text '""'
dialog 32954 "ﾌﾚｰﾑ領域の設定" alt+h alt+w type:'30%,*' Return
want="${CRLF}<FRAMESET ROWS=\"30%,*\">${CRLF}${CRLF}</FRAMESET>${CRLF}"
expect_doc "frame area" "$want"
set_text '""'
dialog 32955 "ﾌﾚｰﾑの設定" alt+u type:a.html alt+h rep:5:Down alt+s rep:3:Down Return
want="<FRAME SRC=\"a.html\" MARGINWIDTH=\"5\" SCROLLING=\"no\">${CRLF}"
expect_doc "frame" "$want"
set_text '""'
probe command 32956 >/dev/null
expect_doc "no frame" "<NOFRAME>${CRLF}${CRLF}</NOFRAME>${CRLF}"
set_text '""'
dialog 32957 "ﾀｰｹﾞｯﾄの設定" alt+t type:main Return
expect_doc "target" '<BASE TARGET="main">'

e2e_finish
