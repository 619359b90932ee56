#!/bin/bash
# The text view's popup menu: the right button shows the stored items and
# runs the one chosen; the mouse page of the common settings edits the
# items, and the state file keeps them for the next start.
source "$(dirname "$0")/lib.sh"
e2e_begin popup_menu

# Saves the document, and waits for the file to change.
save_and_read() {
  local before
  before=$(stat -c %Y.%s "$1" 2>/dev/null)
  vbs 'o.FileSave' >/dev/null
  for _ in $(seq 1 20); do [ "$(stat -c %Y.%s "$1" 2>/dev/null)" != "$before" ] && break; sleep 0.25; done
  tr -d '\r' <"$1" | tr '\n' '|'
}
# Right-clicks at the caret, lists the menu's items, picks one by its letter.
# The menu's rectangle is kept in menu_x, menu_y, menu_w, menu_h. Keys do
# not reach a popup menu under Wine's X driver here, so items are clicked.
popup_open() {
  local line
  line=$(probe rightclick "" | grep '^menu ') || return 1
  read -r _ menu_x menu_y menu_w menu_h <<<"$line"
  sleep 0.3
}
# A click into the text below the menu closes it and keeps the focus there.
popup_close() { xdotool mousemove 600 600 click 1; sleep 0.4; }
# Clicks into the text, which gives it the focus and its caret.
click_text() {
  local win
  win=$(xdotool search --name "popup.txt" | head -1)
  xdotool mousemove --window "$win" 60 40 click 1
  sleep 0.3
  xdotool key ctrl+Home
  sleep 0.3
}

rm -f "$E2E_APP"/quelt.DAT "$E2E_APP"/QUELT.DAT
printf 'hello world\r\n' >"$E2E_WORK/popup.txt"
quelt_start /Q "$(winpath "$E2E_WORK/popup.txt")"
check "the file opens" wait_window "popup.txt" 60
sleep 1
focus "popup.txt"
click_text

# "すべてを選択" from the popup menu, then Delete.
check "the right button opens the popup menu" popup_open
full_height=${menu_h:-0}
# "すべてを選択": the sixth item, below two separators.
xdotool mousemove "$((menu_x + 40))" "$((menu_y + 108))" click 1
sleep 0.4
xdotool key Delete
sleep 0.3
expect_eq "the popup's select all selects the whole text" "" "$(save_and_read "$E2E_WORK/popup.txt")"
vbs 'o.Undo' >/dev/null

# The mouse page: select all leaves the menu (the eighth item).
(probe command 32881 >/dev/null &)
check "the sheet opens" wait_window "共通設定" 20
focus "共通設定"
# The sixth tab, "ﾏｳｽ".
sheet=$(xdotool search --onlyvisible --name '共通設定' | head -1)
xdotool mousemove --window "$sheet" 306 14 click 1; sleep 0.5
xdotool key alt+m; sleep 0.2
xdotool key Home Down Down Down Down Down Down Down; sleep 0.2
xdotool key alt+d; sleep 0.3
xdotool key Return
sheet_gone() {
  for _ in $(seq 1 40); do probe popups | grep -q "共通設定" || return 0; sleep 0.25; done
  return 1
}
check "the sheet closes" sheet_gone
focus "popup.txt"
click_text
popup_open
popup_close
xdotool key ctrl+Home   # queued after the click, unlike an automation call
sleep 0.3
xdotool key Delete
sleep 0.3
expect_eq "the text is left as it was" "ello world|" "$(save_and_read "$E2E_WORK/popup.txt")"

# The state file keeps the items for the next start.
run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the program ends" wait_gone "$QUELT_PID" 30
check "the state file is written" ls "$E2E_APP"/*.DAT
quelt_start /Q "$(winpath "$E2E_WORK/popup.txt")"
check "the program starts again" wait_window "popup.txt" 60
sleep 1
focus "popup.txt"
click_text
popup_open
popup_close
xdotool key ctrl+Home   # queued after the click, unlike an automation call
sleep 0.3
# Under Wine the window of a closed popup menu can linger, so its size is
# read from the first menu of a run only.
check "after a restart the menu is one item and one separator shorter" test "${menu_h:-0}" -lt "$full_height"
xdotool key Delete
sleep 0.3
expect_eq "the items come back from the state file" "llo world|" "$(save_and_read "$E2E_WORK/popup.txt")"

run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the program ends" wait_gone "$QUELT_PID" 30
e2e_finish
