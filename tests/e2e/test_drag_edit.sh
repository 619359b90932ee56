#!/bin/bash
# Drag-and-drop editing ("EnableDragDropEdit"): the selection dragged with
# the mouse moves within its window in one undo step, is copied with Ctrl,
# and moves to another window, leaving one undo step on each side.
source "$(dirname "$0")/lib.sh"
e2e_begin drag_edit

text_of() { tr -d '\r\n' <"$1"; }
# Screen point of the caret after SetCaretPos column, 0: "x y" at mid height.
point_at() {
  vbs "o.SetCaretPos $1, 0" >/dev/null
  sleep 0.3
  probe caret | awk '{ printf "%d %d\n", $1 + 2, $2 + $3 / 2 }'
}
# Selects columns 0..n-1 of the first line of the titled window by keys.
select_start() {
  local win
  win=$(xdotool search --name "$1" | head -1)
  xdotool windowactivate --sync "$win" >/dev/null 2>&1
  xdotool key ctrl+Home
  for ((i = 0; i < $2; i++)); do xdotool key shift+Right; done
  sleep 0.3
}
drag() {  # drag from point $1 $2 to $3 $4, with key $5 held when given
  xdotool mousemove "$1" "$2"
  sleep 0.2
  [ -n "${5:-}" ] && xdotool keydown "$5"
  xdotool mousedown 1
  for step in 1 2 3 4 5 6; do
    xdotool mousemove $(( $1 + ($3 - $1) * step / 6 )) $(( $2 + ($4 - $2) * step / 6 ))
    sleep 0.15
  done
  xdotool mouseup 1
  [ -n "${5:-}" ] && xdotool keyup "$5"
  sleep 0.5
}

printf '[Settings]\r\nEnableDragDropEdit=1\r\n' >"$E2E_APP/quelt.INI"
printf 'hello world\r\n' >"$E2E_WORK/one.txt"
printf 'abc\r\n' >"$E2E_WORK/two.txt"
quelt_start /Q "$(winpath "$E2E_WORK/one.txt")"
check "the file opens" wait_window "one.txt" 60
sleep 1
win=$(xdotool search --name "one.txt" | head -1)
xdotool mousemove --window "$win" 400 300 click 1
sleep 0.3

# Within the window: "hello" dragged behind "world".
read -r x1 y1 < <(point_at 2)
read -r x2 y2 < <(point_at 11)
select_start "one.txt" 5
drag "$x1" "$y1" "$x2" "$y2"
vbs 'o.FileSave' >/dev/null
sleep 0.3
expect_eq "the selection moved behind the line" " worldhello" "$(text_of "$E2E_WORK/one.txt")"
vbs 'o.Undo' 'o.FileSave' >/dev/null
sleep 0.3
expect_eq "one undo puts the move back" "hello world" "$(text_of "$E2E_WORK/one.txt")"

# With Ctrl held the text is copied.
read -r x1 y1 < <(point_at 1)
read -r x2 y2 < <(point_at 11)
select_start "one.txt" 5
drag "$x1" "$y1" "$x2" "$y2" ctrl
vbs 'o.FileSave' >/dev/null
sleep 0.3
expect_eq "Ctrl copies the dragged text" "hello worldhello" "$(text_of "$E2E_WORK/one.txt")"

# A press on the selection without a move is a plain click.
read -r x1 y1 < <(point_at 3)
select_start "one.txt" 5
xdotool mousemove "$x1" "$y1" click 1
sleep 0.3
expect_eq "a click on the selection cancels it" "3" "$(vbs 'o.DeleteString' 'WScript.Echo o.GetColumnPos()')"

# To another window: the text leaves the first and enters the second.
vbs "o.FileOpen \"$(winpath "$E2E_WORK/two.txt")\"" >/dev/null
check "the second file opens" wait_window "two.txt" 30
probe command 57652 >/dev/null  # side by side
sleep 1
read -r x2 y2 < <(point_at 3)
vbs "o.FileOpen \"$(winpath "$E2E_WORK/one.txt")\"" >/dev/null
sleep 0.5
read -r x1 y1 < <(point_at 2)
select_start "one.txt" 6
drag "$x1" "$y1" "$x2" "$y2"
vbs 'o.FileSave' >/dev/null
sleep 0.3
expect_eq "the source lost the moved text" "worldhello" "$(text_of "$E2E_WORK/one.txt")"
vbs "o.FileOpen \"$(winpath "$E2E_WORK/two.txt")\"" 'o.FileSave' >/dev/null
sleep 0.3
expect_eq "the target received it" "abchello " "$(text_of "$E2E_WORK/two.txt")"
vbs 'o.Undo' 'o.FileSave' >/dev/null
sleep 0.3
expect_eq "one undo takes it out of the target" "abc" "$(text_of "$E2E_WORK/two.txt")"
vbs "o.FileOpen \"$(winpath "$E2E_WORK/one.txt")\"" 'o.Undo' 'o.FileSave' >/dev/null
sleep 0.3
expect_eq "one undo puts it back in the source" "hello worldhello" "$(text_of "$E2E_WORK/one.txt")"

run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the program ends" wait_gone "$QUELT_PID" 30
e2e_finish
