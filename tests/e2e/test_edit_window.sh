#!/bin/bash
# The edit window of the real program: a VBScript client walks a Shift-JIS
# file with MoveCaret and GetChar and reads back exactly its characters; a
# screenshot of Japanese text, a URL in the URL colour and a selection shows
# them where they must be.
source "$(dirname "$0")/lib.sh"
e2e_begin edit_window

# Japanese, ASCII, a tab, half-width katakana and CR LF line ends.
printf '\x93\xfa\x96\x7b\x8c\xea\x82\xcc\x83\x65\x83\x4c\x83\x58\x83\x67\r\nsee http://example.com/x here\r\n\tselect me \xb1\xb2\r\n' \
  >"$E2E_WORK/walk.txt"
quelt_start "$(winpath "$E2E_WORK/walk.txt")"
check "the file opens" wait_window "walk.txt" 60
expect_eq "walking the text reads back every character" "$(xxd -p -u "$E2E_WORK/walk.txt" | tr -d '\n')" \
  "$(run_vbs "$E2E_TESTS/walk.vbs")"
run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the program ends" wait_gone "$QUELT_PID" 30

# A screenshot with a URL coloured and the last line selected. A normal
# placement keeps the frame inside the virtual screen.
printf '[Settings]\r\nClickableUrlEmail=1\r\nWindowPos=0,1,-1,-1,-1,-1,0,0,800,600\r\n' >"$E2E_APP/quelt.INI"
quelt_start /Q "$(winpath "$E2E_WORK/walk.txt")"
check "the file opens for the screenshot" wait_window "walk.txt" 60
sleep 1
win=$(xdotool search --name "walk.txt" | head -1)
# A click gives the edit window the keyboard focus.
xdotool mousemove --window "$win" 300 300 click 1
sleep 0.5
xdotool key --window "$win" ctrl+Home Down Down shift+End
sleep 1
screenshot "$E2E_WORK/edit_window.png"
mkdir -p "$E2E_ROOT/build/e2e/artefacts"
cp "$E2E_WORK/edit_window.png" "$E2E_ROOT/build/e2e/artefacts/edit_window.png"
convert "$E2E_WORK/edit_window.png" "$E2E_WORK/edit_window.ppm"
# Inside the edit window (below the tool bar, whose find buttons are blue,
# and the rulers, whose caret line mark is blue), left of the scroll bar.
read -r el et _ _ _ <<<"$(probe rect QueltNorbEV)"
read -r dark blue below above <<<"$(python3 "$E2E_TESTS/pixels.py" "$E2E_WORK/edit_window.ppm" \
  "$((el + 2))" "$((et + 2))" 760 400)"
echo "dark=$dark blue=$blue below=$below above=$above" >"$E2E_WORK/pixels.txt"
check "the Japanese line is drawn above the URL" test "${dark:-0}" -gt 100
check "the URL is drawn in the URL colour" test "${blue:-0}" -gt 30
check "the selected line below the URL is inverted" test "${below:-0}" -gt 300
check "the lines above the URL are not selected" test "${above:-0}" -lt "${below:-0}"
run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the screenshot run ends" wait_gone "$QUELT_PID" 30
e2e_finish
