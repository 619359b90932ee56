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
# "type:TEXT" type TEXT) and waits until it is gone.
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

e2e_finish
