#!/bin/bash
# The menus as the user meets them: every popup of the text document's menu
# bar, the window-bar menu and, after the document closed, the menu bar
# without a document, walked with the keyboard; each highlighted item shows
# the prompt of its command from the command data, submenus leave the pane
# alone and the walk comes back round to the first item. Screenshots of the
# opened popups have the height and separator lines that the data's items
# and separators give.
source "$(dirname "$0")/lib.sh"
e2e_begin menus

printf 'alpha\r\n' >"$E2E_WORK/a.txt"
printf '[Settings]\r\nWindowPos=0,1,-1,-1,-1,-1,0,0,800,500\r\n' >"$E2E_APP/quelt.INI"
quelt_start /Q "$(winpath "$E2E_WORK/a.txt")"
check "the file opens" wait_window "a.txt" 60
sleep 2
win=$(xdotool search --name "a.txt" | head -1)
xdotool mousemove --window "$win" 300 300 click 1
sleep 0.5

# Walks menu $1 with the probe; checks the summary names every item.
walk() {
  local menu=$1 what=$2 total
  total=$(probe expect "$menu" | awk '$1 == "popup" { n += $7 } END { print n + 0 }')
  probe walkmenu "$menu" >"$E2E_WORK/walk_$menu.txt"
  local rc=$?
  grep MISMATCH "$E2E_WORK/walk_$menu.txt" | sed "s/^/  [menu $menu] /"
  expect_eq "$what: the probe's walk" 0 "$rc"
  check "$what: every one of the $total items was visited" \
    grep -qx "menu $menu: $total items, 0 mismatches" "$E2E_WORK/walk_$menu.txt"
}

# Shoots every popup of menu bar $1 closed and open, then measures them.
shoot_bar() {
  local menu=$1 what=$2 args=() n letter layout
  while read -r _ n _ _ letter _ _ _ _ _ layout; do
    screenshot "$E2E_WORK/m${menu}_${n}_before.png"
    xdotool key "alt+$(tr 'A-Z' 'a-z' <<<"$letter")"
    sleep 1
    screenshot "$E2E_WORK/m${menu}_${n}_open.png"
    xdotool key Escape Escape
    sleep 0.5
    for s in before open; do
      convert "$E2E_WORK/m${menu}_${n}_$s.png" -crop 820x520+0+0 +repage "ppm:$E2E_WORK/m${menu}_${n}_$s.ppm"
    done
    args+=("$layout" "$E2E_WORK/m${menu}_${n}_before.ppm" "$E2E_WORK/m${menu}_${n}_open.ppm")
  done < <(probe expect "$menu" | grep '^popup')
  python3 "$E2E_TESTS/menu_shot.py" 470 "${args[@]}" >"$E2E_WORK/shots_$menu.txt"
  local rc=$?
  grep MISMATCH "$E2E_WORK/shots_$menu.txt" | sed "s/^/  [menu $menu] /"
  expect_eq "$what: popup heights and separators in the screenshots" 0 "$rc"
}

# 1. The text document's menu bar.
walk 3 "the text document's menu bar"
# The walk notices an item too many: a recent-file list of two entries is
# not what the menu shows.
probe walkmenu 3 --popup 0 --recent 2 >"$E2E_WORK/walk_wrong.txt"
expect_eq "a walk expecting one item more fails" 1 "$?"
shoot_bar 3 "the text document's menu bar"

# 2. The window-bar menu, opened by a right click on the document's tab.
walk 170 "the window-bar menu"
sleep 0.5
check "the right click left the document active" wait_window "a.txt" 5

# 3. With the document closed (file menu, close), the bar without a document.
xdotool key alt+f
sleep 0.5
xdotool key c
check "the document closes" bash -c "for i in \$(seq 40); do ! xdotool search --name 'a\\.txt' >/dev/null && exit 0; sleep 0.25; done; exit 1"
sleep 1
walk 2 "the menu bar without a document"
shoot_bar 2 "the menu bar without a document"

run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the program ends" wait_gone "$QUELT_PID" 30
e2e_finish
