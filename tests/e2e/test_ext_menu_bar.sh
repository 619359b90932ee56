#!/bin/bash
# The extended-menu bar: "ExtMenuCount" tabs of equal width, above the
# window bar when both are at the top and "ExtBarFixedFirst" is set; a tab
# pressed opens its menu below it at three quarters of its width.
source "$(dirname "$0")/lib.sh"
e2e_begin ext_menu_bar

dat="$E2E_APP/quelt.DAT"
printf 'one\r\n' >"$E2E_WORK/one.txt"
printf '[Settings]\r\nDisplayExtBar=1\r\nExtBarPosition=1\r\nTabBarPosition=1\r\nExtBarFixedFirst=1\r\nExtMenuCount=4\r\nWindowPos=0,1,-1,-1,-1,-1,0,0,800,500\r\n' >"$E2E_APP/quelt.INI"
quelt_start /Q
check "the program starts" wait_window "Quelt" 60
sleep 1
vbs "o.Exit" >/dev/null
wait_gone "$QUELT_PID" 30
check "the state file is written" test -f "$dat"
# Menu 2 gets a title and the new command under the key N.
python3 - "$dat" <<'PY'
import struct, sys
path = sys.argv[1]
data = bytearray(open(path, "rb").read())
empty = struct.pack("<i", 20) + (b"\0" + struct.pack("<ii", 0, 0)) * 20
assert data[-len(empty):] == empty, "the extended menus are expected empty"
menus = ((b"\0" + struct.pack("<ii", 0, 0)) + "新規".encode("cp932") + b"\0" + struct.pack("<ii", 0, 1)
         + struct.pack("<i", 57600) + b"N" + (b"\0" + struct.pack("<ii", 0, 0)) * 18)
data[-len(empty):] = struct.pack("<i", 20) + menus
data[0:4] = struct.pack("<I", len(data))
open(path, "wb").write(data)
PY

quelt_start /Q "$(winpath "$E2E_WORK/one.txt")"
check "the file opens" wait_window "one.txt" 60
sleep 1
screenshot "$E2E_WORK/ext_bar.png"
read -r el et er eb ev <<<"$(probe rectid 32953)"
read -r wl wt wr wb wv <<<"$(probe rectid 32952)"
expect_eq "the extended-menu bar is shown" "1" "$ev"
expect_eq "the window bar is shown" "1" "$wv"
check "the extended-menu bar lies above the window bar" test "$eb" -le "$wt"
check "both span the frame's width" test "$((er - el))" -eq "$((wr - wl))"
tab_h=$((eb - et))
check "the bar is a tab row high ($tab_h)" test "$tab_h" -ge 18 -a "$tab_h" -le 40

# The second tab: its popup opens below it, at three quarters of a
# quarter of the bar's width.
tab_w=$(((er - el) / 4))
xdotool mousemove $((el + tab_w + tab_w / 2)) $((et + tab_h / 2)) click 1
sleep 1
read -r ml mt mr mb <<<"$(probe menurect)"
check "the popup opens" test -n "$ml"
near() { local d=$(($1 - $2)); [ "${d#-}" -le "$3" ]; }
check "the popup stands at three quarters of the tab ($ml vs $((el + tab_w + tab_w * 3 / 4)))" near "$ml" "$((el + tab_w + tab_w * 3 / 4))" 6
check "the popup stands below the tab ($mt vs $eb)" near "$mt" "$eb" 6
before=$(probe titles | wc -l)
xdotool key n
sleep 1.5
expect_eq "the item N of menu 2 makes a new document" $((before + 1)) "$(probe titles | wc -l)"

# The first tab's menu is empty: no popup, nothing happens.
xdotool mousemove $((el + tab_w / 2)) $((et + tab_h / 2)) click 1
sleep 1
check "an empty menu opens no popup" test -z "$(probe menurect)"
vbs "o.Exit" >/dev/null
check "the program ends" wait_gone "$QUELT_PID" 30
e2e_finish
