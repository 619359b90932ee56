#!/bin/bash
# The common-settings sheet through the options menu: check boxes toggled by
# their mnemonics reach the settings file; "MultiInstance" is written as
# soon as the sheet is confirmed, the rest at exit.
source "$(dirname "$0")/lib.sh"
e2e_begin common_settings

printf '[Settings]\r\nWindowPos=0,1,-1,-1,-1,-1,0,0,800,500\r\nMultiInstance=1\r\nColorAreaComment=0\r\n' \
  >"$E2E_APP/quelt.INI"
quelt_start /Q
check "the program starts" wait_window "Quelt" 60
sleep 1
win=$(xdotool search --name "Quelt" | head -1)
xdotool mousemove --window "$win" 300 300 click 1
xdotool key alt+o; sleep 0.5; xdotool key m
check "the sheet opens" wait_window "共通設定" 15
sleep 1
xdotool key alt+i; sleep 0.3   # 複数起動を許す: off
xdotool key alt+c; sleep 0.3   # /* */ ｺﾒﾝﾄに色を付ける: on
sheet=$(xdotool search --onlyvisible --name '共通設定' | head -1)
xdotool windowfocus "$sheet" 2>/dev/null; sleep 0.3
xdotool key Return
sheet_gone() {
  for _ in $(seq 40); do
    xdotool search --onlyvisible --name '共通設定' >/dev/null 2>&1 || return 0
    sleep 0.25
  done
  return 1
}
check "the sheet closes on OK" sheet_gone
screenshot "$E2E_WORK/after_ok.png"
expect_eq "MultiInstance is written at once" 0 "$(settings_value MultiInstance)"
expect_eq "ColorAreaComment waits for the exit" 0 "$(settings_value ColorAreaComment)"
run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
check "the program ends" wait_gone "$QUELT_PID" 30
expect_eq "ColorAreaComment is written at exit" 1 "$(settings_value ColorAreaComment)"
expect_eq "MultiInstance stays off" 0 "$(settings_value MultiInstance)"
e2e_finish
