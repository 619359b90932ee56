#!/bin/bash
# The column and line rulers of a text view in the running program: the
# wrap mark, the caret's column and line marks follow the caret (read from
# screenshots), dragging the wrap mark sets the document's wrap column (also
# beyond the ruler's right edge), the line ruler selects whole lines, and
# the two commands hide and show the rulers.
source "$(dirname "$0")/lib.sh"
e2e_begin rulers

f=$E2E_WORK/wrap.txt
# One logical line of 200 columns, then L01 .. L20 (no final line end).
python3 - "$f" <<'PY'
import sys
lines = [b"a" * 200] + [b"L%02d" % i for i in range(1, 21)]
open(sys.argv[1], "wb").write(b"\r\n".join(lines))
PY
shot=$E2E_WORK/shot.png

# The first x (from left) or y (from top) where a colour shows in a one
# pixel wide strip of the screenshot; empty when it does not.
first_x() {  # colour x y width
  convert "$shot" -crop "${4}x1+$2+$3" +repage -depth 8 txt:- | grep -i -m1 "$1" | cut -d, -f1 | awk -v o="$2" '{print $1 + o}'
}
first_y() {  # colour x y height
  convert "$shot" -crop "1x${4}+$2+$3" +repage -depth 8 txt:- | grep -i -m1 "$1" | cut -d: -f1 | cut -d, -f2 |
    awk -v o="$3" '{print $1 + o}'
}
take_shot() { sleep 0.7; screenshot "$shot"; }
wait_gone_window() {
  for _ in $(seq 40); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.25
  done
  return 1
}
# The caret's display line at the end of the text: the display lines - 1.
last_line() {
  vbs "o.MoveCaret 17" "WScript.Echo o.GetLinePos" | tr -d '\r' | tail -1
}

quelt_start /Q "$(winpath "$f")"
check "the program starts" wait_window "wrap.txt" 60
sleep 1.5
read -r rl rt rr rb rv <<<"$(probe rect QueltRulerBar)"
read -r ll lt lr lb lv <<<"$(probe rect QueltLineBar)"
read -r el et er eb ev <<<"$(probe rect QueltNorbEV)"
expect_eq "the column ruler is shown" 1 "$rv"
expect_eq "the line ruler is shown" 1 "$lv"
expect_eq "the column ruler spans the view above the edit window" "$rb $rl" "$et $ll"
expect_eq "the line ruler stands left of the edit window" "$lr $lt" "$el $et"
expect_eq "at first the text wraps at column 80" 22 "$(last_line)"

vbs "o.MoveCaret 16" >/dev/null
take_shot
mark_y=$((rb - 5))  # in the tick area, above the base lines
red=$(first_x "#FF0000" "$rl" "$mark_y" $((rr - rl)))
lime0=$(first_x "#00FF00" "$rl" "$mark_y" $((rr - rl)))
check "the wrap mark is drawn" test -n "$red"
check "the caret column mark is drawn" test -n "$lime0"
cw=$(((red - lime0 + 2) / 80))
check "the wrap mark stands 80 columns right of column 0 (column width $cw)" test "$cw" -ge 4
blue0=$(first_y "#0000FF" $((lr - 6)) "$lt" $((lb - lt)))
check "the caret line mark is drawn" test -n "$blue0"

# The marks follow the caret.
vbs "o.MoveCaret 4" "o.MoveCaret 4" "o.MoveCaret 4" "o.MoveCaret 4" "o.MoveCaret 4" >/dev/null
take_shot
expect_eq "the caret column mark moves 5 columns" $((lime0 + 5 * cw)) "$(first_x "#00FF00" "$rl" "$mark_y" $((rr - rl)))"
vbs "o.MoveCaret 16" "o.MoveCaret 6" >/dev/null
take_shot
blue1=$(first_y "#0000FF" $((lr - 6)) "$lt" $((lb - lt)))
lh=$((blue1 - blue0))
vbs "o.MoveCaret 6" "o.MoveCaret 6" >/dev/null
take_shot
check "the caret line mark moves a line per line (height $lh)" test "$lh" -gt 4
expect_eq "three lines down, three lines lower" $((blue0 + 3 * lh)) "$(first_y "#0000FF" $((lr - 6)) "$lt" $((lb - lt)))"

# Dragging the wrap mark 33 columns left: the text wraps at 47.
drag() {  # from-x to-x
  xdotool mousemove "$1" "$mark_y" mousedown 1 sleep 0.2 mousemove $((($1 + $2) / 2)) "$mark_y" sleep 0.2 \
    mousemove "$2" "$mark_y" sleep 0.2 mouseup 1
  sleep 0.8
}
focus "wrap.txt"
drag "$red" $((red - 33 * cw + cw / 2))
expect_eq "a drag to column 47 wraps the long line into 5" 24 "$(last_line)"
take_shot
red47=$(first_x "#FF0000" "$rl" "$mark_y" $((rr - rl)))
expect_eq "the mark stands at column 47" $((red - 33 * cw)) "$red47"
# Beyond the ruler's right edge: the column under the pointer's last place.
beyond=$((rr + 3 * cw + cw / 2))
vbs "o.MoveCaret 16" >/dev/null
drag "$red47" "$beyond"
want=$(((beyond - (red - 80 * cw)) / cw))
lines=$(((200 + want - 1) / want + 20 - 1))
expect_eq "a drag past the right edge wraps at column $want" "$lines" "$(last_line)"
# Pressing away from the mark changes nothing.
xdotool mousemove $((rl + 30)) "$mark_y" mousedown 1 mousemove $((rl + 200)) "$mark_y" mouseup 1
sleep 0.5
expect_eq "a press beside the mark leaves the wrap column" "$lines" "$(last_line)"

# The line ruler: a press beside L03 and a drag to L05 select those three
# lines whole; deleting the selection and saving shows which were taken.
vbs "o.SetColumnCount 80" "o.MoveCaret 16" >/dev/null
sleep 0.5
take_shot
y_of_line() { echo $((blue0 - 2 + $1 * lh + lh / 2)); }  # display line -> y (the mark starts 2 below)
# Display lines 0..2 hold the long line; L03 is display line 5.
xdotool mousemove $((ll + 10)) "$(y_of_line 5)" mousedown 1 sleep 0.2 mousemove $((ll + 10)) "$(y_of_line 7)" \
  sleep 0.2 mouseup 1
sleep 0.5
vbs "o.DeleteString" "o.FileSave" >/dev/null
sleep 1
expect_eq "the line ruler selected L03 to L05 whole" \
  "$(printf 'L01\r\nL02\r\nL06\r\n')" "$(sed -n 2,4p "$f")"

# The commands hide and show each ruler; the edit window takes their room.
probe command 32806 >/dev/null
sleep 0.5
read -r _ _ _ _ rv <<<"$(probe rect QueltRulerBar)"
read -r el2 et2 _ _ _ <<<"$(probe rect QueltNorbEV)"
expect_eq "32806 hides the column ruler" 0 "$rv"
expect_eq "the edit window moves up into its room" "$rt" "$et2"
probe command 32807 >/dev/null
sleep 0.5
read -r _ _ _ _ lv <<<"$(probe rect QueltLineBar)"
read -r el2 _ _ _ _ <<<"$(probe rect QueltNorbEV)"
expect_eq "32807 hides the line ruler" 0 "$lv"
expect_eq "the edit window moves left into its room" "$ll" "$el2"
probe command 32806 >/dev/null
probe command 32807 >/dev/null
sleep 0.5
read -r _ _ _ _ rv <<<"$(probe rect QueltRulerBar)"
read -r _ _ _ _ lv <<<"$(probe rect QueltLineBar)"
expect_eq "both come back" "1 1" "$rv $lv"

# The ruler page of the common settings takes effect when it is confirmed:
# the column ruler goes, the line ruler shows the logical lines' numbers.
(probe command 32813 >/dev/null &)
check "the common settings open" wait_window "共通設定" 15
sleep 1
focus "共通設定"
sheet=$(xdotool search --onlyvisible --name '共通設定' | head -1)
xdotool mousemove --window "$sheet" 262 14 click 1; sleep 0.5  # the fifth tab, "ﾙｰﾗｰ"
screenshot "$E2E_WORK/ruler_page.png"
xdotool key alt+c; sleep 0.2
xdotool key alt+n; sleep 0.2
xdotool mousemove --window "$sheet" 331 356 click 1  # OK
check "the sheet closes" wait_gone_window "共通設定"
sleep 0.5
read -r _ _ _ _ rv <<<"$(probe rect QueltRulerBar)"
read -r _ _ _ _ lv <<<"$(probe rect QueltLineBar)"
expect_eq "the column ruler goes at once, the line ruler stays" "0 1" "$rv $lv"
screenshot "$E2E_WORK/numbers.png"

vbs "o.Exit" >/dev/null
wait_gone "$QUELT_PID" 20
expect_eq "the rulers' settings are kept" "0 1 1" \
  "$(settings_value DisplayRulerBar) $(settings_value DisplayLineBar) $(settings_value FigureRuler)"
e2e_finish
