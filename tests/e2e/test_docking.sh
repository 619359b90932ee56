#!/bin/bash
# Docking of the tool bars by dragging: a tag bar dragged by its gripper to
# the right edge docks there (vertical), a second one beside it makes a
# second column; Escape and a drop far from every edge leave the tool bar
# where it was; the tool bar dragged to the left edge turns vertical. After
# exit the stored layout follows the drags, and the next start shows it.
source "$(dirname "$0")/lib.sh"
e2e_begin docking

printf '<p>x</p>\r\n' >"$E2E_WORK/page.html"
printf '[Settings]\r\nWindowPos=0,1,-1,-1,-1,-1,0,0,800,500\r\nTagToolBarParallel=0\r\n' >"$E2E_APP/quelt.INI"

# The bars as the probe sees them, in frame client coordinates.
read_bars() { probe bars >"$E2E_WORK/bars.txt"; }
field() { awk -v id="$1" -v n="$2" '$1 == "bar" && $2 == id { print $n }' "$E2E_WORK/bars.txt"; }
left() { field "$1" 5; }
top() { field "$1" 6; }
right() { field "$1" 7; }
bottom() { field "$1" 8; }
turn() { field "$1" 4; }
client() { awk -v n="$1" '$1 == "client" { print $n }' "$E2E_WORK/bars.txt"; }
frame() { awk -v n="$1" '$1 == "frame" { print $n }' "$E2E_WORK/bars.txt"; }
TOOL=59392 TAG1=59400 TAG2=59401

# Presses at (x, y) of the frame's client area and moves in steps to
# (x2, y2); "escape" presses Escape before the release.
drag() {
  local ox oy i
  ox=$(frame 2) oy=$(frame 3)
  xdotool mousemove $((ox + $1)) $((oy + $2))
  sleep 0.3
  xdotool mousedown 1
  sleep 0.2
  for i in 1 2 3 4 5 6 7 8; do
    xdotool mousemove $((ox + $1 + ($3 - $1) * i / 8)) $((oy + $2 + ($4 - $2) * i / 8))
    sleep 0.1
  done
  if [ "${5:-}" = escape ]; then
    xdotool key Escape
    sleep 0.3
  fi
  xdotool mouseup 1
  sleep 1
  read_bars
}
# The gripper: the first pixels of a horizontal bar, the top of a vertical.
grip_x() { echo $(($(left "$1") + 3)); }
grip_y() { echo $(($(top "$1") + 3)); }

quelt_start /Q "$(winpath "$E2E_WORK/page.html")"
check "the HTML document opens" wait_window "page.html" 60
sleep 2
read_bars
width=$(frame 4) height=$(frame 5)
expect_eq "the tool bar lies horizontal at the top" "h 0 0" "$(turn $TOOL) $(left $TOOL) $(top $TOOL)"
expect_eq "the first tag bar lies vertical at the left" "v 0" "$(turn $TAG1) $(left $TAG1)"

drag "$(grip_x $TAG1)" "$(grip_y $TAG1)" $((width - 8)) $((height / 2))
expect_eq "the first tag bar docks at the right edge" "v $width" "$(turn $TAG1) $(right $TAG1)"
expect_eq "the documents end at the bar" "$(left $TAG1)" "$(client 4)"
expect_eq "the second tag bar stays at the left" "0" "$(left $TAG2)"

drag "$(grip_x $TAG2)" "$(grip_y $TAG2)" $(($(left $TAG1) - 12)) $((height / 2))
expect_eq "the second tag bar makes a column inside the first" "v $(left $TAG1)" "$(turn $TAG2) $(right $TAG2)"
expect_eq "the left edge is empty: the documents start there" "0" "$(client 2)"

drag 3 8 $((width / 2)) $((height - 30)) escape
expect_eq "Escape leaves the tool bar at the top" "h 0 0" "$(turn $TOOL) $(left $TOOL) $(top $TOOL)"
drag 3 8 $((width / 2)) $((height / 2))
expect_eq "a drop far from every edge leaves the tool bar" "h 0 0" "$(turn $TOOL) $(left $TOOL) $(top $TOOL)"

drag 3 8 6 $((height / 2))
expect_eq "the tool bar docks vertical at the left edge" "v 0" "$(turn $TOOL) $(left $TOOL)"
check "the vertical tool bar is one column" test $(($(bottom $TOOL) - $(top $TOOL))) -gt $((4 * ($(right $TOOL) - $(left $TOOL))))
expect_eq "the documents start right of it" "$(right $TOOL)" "$(client 2)"
screenshot "$E2E_WORK/docked.png"

run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the program ends" wait_gone "$QUELT_PID" 30
expect_eq "stored: vertical tag bars" 1 "$(settings_value TagToolBarLeft)"
expect_eq "stored: in two columns" 1 "$(settings_value TagToolBarParallel)"
expect_eq "stored: the second left of the first" 0 "$(settings_value TagToolBarSequence)"
expect_eq "stored: the tool bar at the left edge" 2 "$(settings_value ToolBarPosition)"

# The next start docks everything at the left: the tool bar outermost, then
# the second tag bar, then the first.
quelt_start /Q "$(winpath "$E2E_WORK/page.html")"
check "the HTML document opens again" wait_window "page.html" 60
sleep 2
read_bars
expect_eq "the tool bar is back at the left" "v 0" "$(turn $TOOL) $(left $TOOL)"
expect_eq "the second tag bar follows it" "v $(right $TOOL)" "$(turn $TAG2) $(left $TAG2)"
expect_eq "the first tag bar comes last" "v $(right $TAG2)" "$(turn $TAG1) $(left $TAG1)"
run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the program ends again" wait_gone "$QUELT_PID" 30
e2e_finish
