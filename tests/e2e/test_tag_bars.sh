#!/bin/bash
# The tag tool bars: hidden for a text file, docked at the left edge
# ("TagToolBarLeft" 1, the default) while an HTML document is active, and
# their layout stored at exit.
source "$(dirname "$0")/lib.sh"
e2e_begin tag_bars

printf 'plain\r\n' >"$E2E_WORK/one.txt"
printf '<p>x</p>\r\n' >"$E2E_WORK/page.html"
printf '[Settings]\r\nWindowPos=0,1,-1,-1,-1,-1,0,0,800,500\r\nTagToolBarParallel=0\r\n' >"$E2E_APP/quelt.INI"
quelt_start /Q "$(winpath "$E2E_WORK/page.html")" "$(winpath "$E2E_WORK/one.txt")"
check "both files open" wait_window "one.txt" 60
sleep 2
# The colour of a point at the left edge of the frame's client area, well
# below the bars at the top: white text area or the grey of a tool bar.
win=$(xdotool search --name "one.txt" | head -1)
eval "$(xdotool getwindowgeometry --shell "$win")"
pixel() {
  screenshot "$E2E_WORK/$1.png"
  convert "$E2E_WORK/$1.png" -crop "1x1+$((X + 6))+$((Y + 200))" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -1
}
text_colour=$(pixel text)
expect_eq "a text file shows no tag bar: the text area reaches the edge" "#FFFFFF" "$text_colour"
xdotool mousemove --window "$win" 400 300 click 1
sleep 0.5
xdotool key ctrl+F6
check "the HTML document becomes active" wait_window "page.html" 10
sleep 2
html_colour=$(pixel html)
check "an HTML document shows the tag bars at the left edge ($html_colour)" test "$html_colour" != "#FFFFFF"
run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the program ends" wait_gone "$QUELT_PID" 30
# Read back from the bars: vertical at the left, one after the other, the
# first above the second.
expect_eq "the stored layout is vertical" 1 "$(settings_value TagToolBarLeft)"
expect_eq "the bars follow each other" 0 "$(settings_value TagToolBarParallel)"
expect_eq "the first bar comes first" 1 "$(settings_value TagToolBarSequence)"
e2e_finish
