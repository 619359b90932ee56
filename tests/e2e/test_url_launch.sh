#!/bin/bash
# URLs and e-mail addresses double-clicked in the text: the browser the
# shell associates with HTML files (a program of the test's own) gets the
# URL through the shell; a browser named like "NetscapeDotExe" gets it as a
# DDE request (a DDE server of the test's own receives the item exactly);
# the mail program runs with "MailerArgument"'s "$t" replaced.
source "$(dirname "$0")/lib.sh"
e2e_begin url_launch

bin=$E2E_WORK/bin
mkdir -p "$bin"
cp "$E2E_BUILD/tests/win/args_echo.exe" "$E2E_BUILD/tests/win/dde_browser.exe" "$bin/"
browser=$(winpath "$bin/args_echo.exe")
export ARGS_ECHO_OUT
ARGS_ECHO_OUT=$(winpath "$E2E_WORK/browser.txt")
doc=$E2E_WORK/links.txt
printf 'http://example.com/x?a=1 here\r\n\r\nmail a@b.example.jp now\r\n' >"$doc"

# HTML files open with the test's browser (the classes of this test prefix,
# where no other program has HTML files; removed at the end).
key='HKCR'
wine reg add "$key\\.html" /ve /d QueltTestHtml /f >/dev/null 2>&1
wine reg add "$key\\QueltTestHtml\\shell\\open\\command" /ve /d "\"$browser\" \"%1\"" /f >/dev/null 2>&1

# A click gives the edit window the keyboard focus (and so the caret).
focus_text() {
  local win
  win=$(xdotool search --name "links.txt" | head -1)
  xdotool mousemove --window "$win" 400 300 click 1
  sleep 0.5
}
# Double-clicks the text at a display column and line of the active view.
double_click_at() {
  vbs "o.SetCaretPos $1, $2" >/dev/null
  sleep 0.3
  read -r cx cy ch <<<"$(probe caret)"
  xdotool mousemove $((cx + 4)) $((cy + ch / 2)) click --repeat 2 --delay 80 1
}
wait_file() {
  for _ in $(seq 60); do [ -s "$1" ] && return 0; sleep 0.25; done
  return 1
}

printf '[Settings]\r\nClickableUrlEmail=1\r\nWindowPos=0,1,-1,-1,-1,-1,0,0,800,600\r\n' >"$E2E_APP/quelt.INI"
quelt_start /Q "$(winpath "$doc")"
check "the file opens" wait_window "links.txt" 60
sleep 1
focus_text
double_click_at 5 0
check "the shell starts the browser" wait_file "$E2E_WORK/browser.txt"
expect_eq "the browser gets the URL up to the blank" "http://example.com/x?a=1" "$(sed -n 1p "$E2E_WORK/browser.txt")"
check "nothing was left in the program's folder" test ! -e "$E2E_APP/wtemp\$\$m.html"
vbs "o.Exit" >/dev/null
wait_gone "$QUELT_PID" 30

# A browser named as "NetscapeDotExe" is sent the URL over DDE; the mail
# program gets "/m" and the address.
rm -f "$E2E_WORK/browser.txt"
printf '[Settings]\r\nClickableUrlEmail=1\r\nNetscapeDotExe=ARGS_ECHO.EXE\r\nMailerPath=%s\r\nMailerArgument=/m $t\r\nWindowPos=0,1,-1,-1,-1,-1,0,0,800,600\r\n' \
  "$browser" >"$E2E_APP/quelt.INI"
wine "$bin/dde_browser.exe" "$(winpath "$E2E_WORK/dde.txt")" >/dev/null 2>&1 &
dde_pid=$!
sleep 2
quelt_start /Q "$(winpath "$doc")"
check "the file opens again" wait_window "links.txt" 60
sleep 1
focus_text
double_click_at 2 0
check "the DDE server gets a request" wait_file "$E2E_WORK/dde.txt"
expect_eq "its item is the URL and the browser's window arguments" "http://example.com/x?a=1,,0xFFFFFFFF,0x3" \
  "$(cat "$E2E_WORK/dde.txt")"
check "the browser program itself was not started" test ! -e "$E2E_WORK/browser.txt"
double_click_at 8 2
check "the mail program starts" wait_file "$E2E_WORK/browser.txt"
expect_eq "it gets /m and the address" "/m a@b.example.jp" "$(sed -n 1p "$E2E_WORK/browser.txt")"
vbs "o.Exit" >/dev/null
wait_gone "$QUELT_PID" 30
kill "$dde_pid" 2>/dev/null
wine reg delete "$key\\QueltTestHtml" /f >/dev/null 2>&1
wine reg delete "$key\\.html" /f >/dev/null 2>&1
e2e_finish
