#!/bin/bash
# User tools in the running program, defined in the state file: a tool with
# "$f:$l" passes the active file's path and caret line to a program of the
# test's own, an internal command with its output captured ("type" of a
# Shift-JIS file) fills a new document with the exact bytes, and the program
# execution dialog runs a program, expands "$$" and keeps its history.
source "$(dirname "$0")/lib.sh"
e2e_begin user_tools

echo_exe=$E2E_WORK/args_echo.exe
cp "$E2E_BUILD/tests/win/args_echo.exe" "$echo_exe"
endless_exe=$E2E_WORK/endless_output.exe
cp "$E2E_BUILD/tests/win/endless_output.exe" "$endless_exe"
dat=$E2E_APP/quelt.DAT
target=$E2E_WORK/target.txt
for i in $(seq 1 30); do printf 'line %d\r\n' "$i"; done >"$target"
# Japanese text over several 255-byte pieces, a character at every odd
# offset too (the half-width "ｱ" shifts the rest by one byte).
sjis=$E2E_WORK/sjis.txt
python3 - "$sjis" <<'PY'
import sys
line = "ｱ日本語のテキスト、漢字とかな。".encode("cp932")
open(sys.argv[1], "wb").write(b"".join(line * (k % 5 + 1) + b"\r\n" for k in range(40)))
PY

# A first run writes the state file; the tools go into its first section.
quelt_start /Q
check "the program starts" wait_window "Quelt" 60
sleep 1
vbs "o.Exit" >/dev/null
wait_gone "$QUELT_PID" 30
check "the state file is written" test -f "$dat"
python3 - "$dat" "$(winpath "$echo_exe")" "$(winpath "$E2E_WORK/out1.txt")" "$(winpath "$E2E_WORK")" \
  "$(winpath "$endless_exe")" <<'PY'
import struct, sys
path, echo, out1, work, endless = sys.argv[1:6]
data = bytearray(open(path, "rb").read())
assert data[284:296] == bytes(12), "history lists are expected empty"
assert data[360:368] == bytes(8), "the tools section is expected empty"
def text(s): return s.encode("cp932") + b"\0"
def tool(kind, title, command, params="", folder="", internal=0, capture=0, minimised=0, ask=0):
    return (struct.pack("<i", kind) + text(title) + text(command) + text(params) + text(folder)
            + struct.pack("<4i", internal, capture, minimised, ask))
tools = [
    tool(0, "出力の取り込み", "type sjis.txt", folder=work, internal=1, capture=1),
    tool(2, "", ""),
    tool(0, "引数", echo, params=out1 + " $f:$l"),
    # Run through the command interpreter, so that a stop must end the
    # interpreter's child too.
    tool(0, "止まらない", endless, params="beat.txt", folder=work, internal=1, capture=1),
]
section = struct.pack("<i", 0) + struct.pack("<i", len(tools)) + b"".join(tools)
data[360:368] = section
# The extended menus are the last section: 20 empty menus at first. Menu 1
# runs tool 2 under the access key A.
empty = struct.pack("<i", 20) + (b"\0" + struct.pack("<ii", 0, 0)) * 20
assert data[-len(empty):] == empty, "the extended menus are expected empty"
menus = (text("t") + struct.pack("<ii", 0, 2) + struct.pack("<i", -1) + b"\0" + struct.pack("<i", 32852) + b"A"
         + (b"\0" + struct.pack("<ii", 0, 0)) * 19)
data[-len(empty):] = struct.pack("<i", 20) + menus
data[0:4] = struct.pack("<I", len(data))
open(path, "wb").write(data)
PY

quelt_start /Q "$(winpath "$target")"
check "the target opens" wait_window "target.txt" 60
sleep 1
vbs "o.SetCaretPos 3, 11" >/dev/null
# Tool 2 (the separator is not counted): the path, a colon and line 12.
probe command 32852 >/dev/null
for _ in $(seq 40); do [ -s "$E2E_WORK/out1.txt" ] && break; sleep 0.25; done
expect_eq "\$f:\$l gives the path and the caret line" "$(winpath "$target"):12" "$(sed -n 1p "$E2E_WORK/out1.txt")"
expect_eq "a program starts in its own folder" "$(winpath "$E2E_WORK")" "$(sed -n 2p "$E2E_WORK/out1.txt")"

# Extended menu 1 opens at the middle of the view; its item A runs tool 2.
rm -f "$E2E_WORK/out1.txt"
(probe command 32969 >/dev/null &)
sleep 1.5
xdotool key a
for _ in $(seq 40); do [ -s "$E2E_WORK/out1.txt" ] && break; sleep 0.25; done
expect_eq "the extended menu's item runs its tool" "$(winpath "$target"):12" "$(sed -n 1p "$E2E_WORK/out1.txt")"

# Tool 1: the captured output arrives in a new document, whole characters
# across the pieces.
probe command 32851 >/dev/null
sleep 2
expect_eq "the output document is the active one" "A" "$(probe titles | grep -v target.txt | cut -c1)"
vbs "o.FileSaveAs \"$(winpath "$E2E_WORK/captured.txt")\"" >/dev/null
for _ in $(seq 40); do [ -s "$E2E_WORK/captured.txt" ] && break; sleep 0.25; done
expect_eq "the captured output holds the file's bytes exactly" "$(md5sum <"$sjis")" "$(md5sum <"$E2E_WORK/captured.txt")"

# The program execution dialog runs a program; "$$" gives one "$".
(probe command 32834 >/dev/null &)
check "the program execution dialog opens" wait_window "ﾌﾟﾛｸﾞﾗﾑの実行" 15
focus "ﾌﾟﾛｸﾞﾗﾑの実行"
xdotool type --delay 20 "$(winpath "$echo_exe")"
xdotool key Tab Tab
xdotool type --delay 20 "$(winpath "$E2E_WORK/out2.txt") cost\$\$5"
sleep 0.3
xdotool key Return
for _ in $(seq 40); do [ -s "$E2E_WORK/out2.txt" ] && break; sleep 0.25; done
expect_eq "the program runs with \$\$ as one \$" 'cost$5' "$(sed -n 1p "$E2E_WORK/out2.txt")"
# The user-tool page of the customisation sheet: a new program entry after
# the last tool, with parameters; confirmed, it runs as tool 4.
(probe command 32873 >/dev/null &)
check "the customisation sheet opens" wait_window "ｶｽﾀﾏｲｽﾞ" 20
focus "ｶｽﾀﾏｲｽﾞ"
sheet=$(xdotool search --onlyvisible --name "ｶｽﾀﾏｲｽﾞ" | head -1)
xdotool mousemove --window "$sheet" 90 14 click 1  # the second tab, "ﾕｰｻﾞﾂｰﾙ"
sleep 0.5
screenshot "$E2E_WORK/tools_page.png"
xdotool key alt+t End  # the last entry of the list
xdotool key alt+n
sleep 0.5
xdotool key c  # "ｺﾏﾝﾄﾞ": a program, chosen in the file dialog
sleep 1.5
xdotool type --delay 20 "$(winpath "$echo_exe")"
xdotool key Return
sleep 1
focus "ｶｽﾀﾏｲｽﾞ"
xdotool key alt+p
xdotool type --delay 20 "$(winpath "$E2E_WORK/out3.txt") \$n"
sleep 0.3
screenshot "$E2E_WORK/tools_page_new.png"
xdotool key Return
sleep 1
vbs "o.SetCaretPos 0, 0" >/dev/null
probe command 32854 >/dev/null
for _ in $(seq 40); do [ -s "$E2E_WORK/out3.txt" ] && break; sleep 0.25; done
expect_eq "the tool added on the page runs with \$n (the active document)" "captured.txt" "$(sed -n 1p "$E2E_WORK/out3.txt")"

# Tool 3 never ends: while it runs its window "中断" is up, the idle
# updates go on (the output document has its tab on the window bar), and
# Escape ends it, with what it wrote kept in the document.
tabs_before=$(probe tabcount)
(probe command 32853 >/dev/null &)
check "a captured run shows its stop window" wait_window "ﾌﾟﾛｸﾞﾗﾑ実行中" 20
for _ in $(seq 80); do [ "$(cat "$E2E_WORK/beat.txt" 2>/dev/null || echo 0)" -ge 5 ] && break; sleep 0.25; done
expect_eq "the output document's tab is on the window bar while the tool runs" $((tabs_before + 1)) "$(probe tabcount)"
focus "ﾌﾟﾛｸﾞﾗﾑ実行中"
xdotool key Escape
check "Escape closes the stop window" wait_no_window "ﾌﾟﾛｸﾞﾗﾑ実行中" 20
beat1=$(cat "$E2E_WORK/beat.txt")
sleep 1
expect_eq "the stopped program (the interpreter's child) no longer runs" "$beat1" "$(cat "$E2E_WORK/beat.txt")"
vbs "o.FileSaveAs \"$(winpath "$E2E_WORK/stopped.txt")\"" >/dev/null
for _ in $(seq 40); do [ -s "$E2E_WORK/stopped.txt" ] && break; sleep 0.25; done
expect_eq "the output until the stop stays in the document" "first line" "$(head -1 "$E2E_WORK/stopped.txt" | tr -d '\r')"
check "the output holds the ticks before the stop" grep -q "^tick 4" "$E2E_WORK/stopped.txt"

# The extended-menu page: menu 2 gets the first menu command (new) under
# the key N; its command opens the popup and N makes a new document.
(probe command 32873 >/dev/null &)
check "the customisation sheet opens again" wait_window "ｶｽﾀﾏｲｽﾞ" 20
focus "ｶｽﾀﾏｲｽﾞ"
sheet=$(xdotool search --onlyvisible --name "ｶｽﾀﾏｲｽﾞ" | head -1)
xdotool mousemove --window "$sheet" 148 14 click 1  # the third tab, "拡張ﾒﾆｭｰ"
sleep 0.5
xdotool key alt+m Down  # menu 2
sleep 0.3
xdotool key alt+c Home alt+a
sleep 0.3
xdotool key alt+k
xdotool type "n"
sleep 0.3
screenshot "$E2E_WORK/menus_page.png"
xdotool key Return
sleep 1
before=$(probe titles | wc -l)
(probe command 32970 >/dev/null &)
sleep 1.5
xdotool key n
sleep 1.5
expect_eq "menu 2's item N makes a new document" $((before + 1)) "$(probe titles | wc -l)"

# The tool-bar page: the first entry (new) deleted; the bar loses the
# button at once and the layout is kept in the settings file.
expect_eq "the tool bar has the new button" "enabled" "$(probe buttonstate 57600)"
(probe command 32873 >/dev/null &)
check "the customisation sheet opens a third time" wait_window "ｶｽﾀﾏｲｽﾞ" 20
focus "ｶｽﾀﾏｲｽﾞ"
sheet=$(xdotool search --onlyvisible --name "ｶｽﾀﾏｲｽﾞ" | head -1)
xdotool mousemove --window "$sheet" 200 14 click 1  # the fourth tab, "ﾂｰﾙﾊﾞｰ"
sleep 0.5
xdotool key alt+t Home alt+d
sleep 0.3
screenshot "$E2E_WORK/toolbar_page.png"
xdotool key alt+t Return  # from the list, Return is OK (on the button it would delete again)
sleep 1
expect_eq "the new button has gone from the bar" "missing" "$(probe buttonstate 57600)"
expect_eq "the open button stays" "enabled" "$(probe buttonstate 57601)"

vbs "o.Exit" >/dev/null
wait_gone "$QUELT_PID" 30
check "the program execution's history is kept" grep -aq "args_echo.exe" "$dat"
check "the tool bar's layout is kept" grep -aq "^Buttons=57601," "$E2E_APP/quelt.INI"
check "the tool added on the page is kept" grep -aq "out3.txt" "$dat"
e2e_finish
