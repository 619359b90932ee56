#!/bin/bash
# Cabinets: the cabinet written at exit lists the open documents and a second
# start reopens them; "InitialCabinetMode" leaves them closed; a version-0
# cabinet and one of the older 16-bit layout open with their tab width and
# their colour codes converted, as the re-save at exit shows; a change made
# in the cabinet sheet is committed to the file at once; the new-cabinet and
# change-cabinet commands, reached by their tool-bar buttons; the keyword
# page's length check.
source "$(dirname "$0")/lib.sh"
e2e_begin cabinet

gen() { python3 "$E2E_TESTS/make_cabinet.py" "$@"; }
field() { gen dump "$1" | awk -F= -v k="$2" '$1 == k { print substr($0, length(k) + 2) }'; }
no_title() { ! window_titles | grep -qF -- "$1"; }
quit() {
  run_vbs "$E2E_TESTS/exit.vbs" >/dev/null
  check "$1 ends" wait_gone "$QUELT_PID" 30
}

printf 'alpha\r\n' >"$E2E_WORK/a.txt"
printf 'beta\r\n' >"$E2E_WORK/b.txt"
A=$(winpath "$E2E_WORK/a.txt")
B=$(winpath "$E2E_WORK/b.txt")
CAB=$E2E_APP/quelt.cab

# 1. Two files from the command line; the cabinet is written at exit.
quelt_start "$A" "$B"
check "the second file opens" wait_window "b.txt" 60
quit "the first run"
check "the default cabinet is written beside the program" test -f "$CAB"
expect_eq "the cabinet is written in version 1" 1 "$(field "$CAB" version)"
expect_eq "both documents are stored" 2 "$(field "$CAB" count)"
expect_eq "the first document's path" "$A" "$(field "$CAB" path0)"
expect_eq "the second document's path" "$B" "$(field "$CAB" path1)"
expect_eq "the active document is flagged" 1 "$(field "$CAB" active1)"
expect_eq "the entries end at the settings" 1 "$(field "$CAB" entries_end_ok)"
cp "$CAB" "$E2E_WORK/first.cab"

# 2. A start without files reopens them and activates the active one.
quelt_start
check "the cabinet's active document is reopened" wait_window "b.txt" 60
check "no untitled document beside the cabinet's" no_title '無題'
quit "the second run"
expect_eq "the reopened documents are stored again" 2 "$(field "$CAB" count)"
expect_eq "the first path again" "$A" "$(field "$CAB" path0)"
expect_eq "the second path again" "$B" "$(field "$CAB" path1)"

# 3. "InitialCabinetMode" reads the cabinet without reopening its files.
printf '[Settings]\r\nInitialCabinetMode=1\r\n' >"$E2E_APP/quelt.INI"
quelt_start
check "the frame appears" wait_window "Kav Quelt" 60
check "an untitled document stands in" wait_window "無題" 20
check "the cabinet's documents stay closed" no_title 'b.txt'
quit "the run with InitialCabinetMode"
expect_eq "an untitled document is not stored" 0 "$(field "$CAB" count)"
rm -f "$E2E_APP/quelt.INI"

# 4. A version-0 cabinet named with /A: tab width, reopened entry, colours.
printf 'gamma\r\n' >"$E2E_WORK/c.txt"
C=$(winpath "$E2E_WORK/c.txt")
V0=$E2E_WORK/version0.cab
gen v0 "$V0" --tab 8 --entry "$C"
quelt_start "/A=$(winpath "$V0")"
check "the frame names the version-0 cabinet" wait_window "version0" 60
check "its document is reopened" wait_window "c.txt" 30
expect_eq "the cabinet's tab width is in use" 8 "$(run_vbs "$E2E_TESTS/cabinet_tab.vbs")"
quit "the version-0 run"
expect_eq "the version-0 cabinet is re-saved as version 1" 1 "$(field "$V0" version)"
expect_eq "its colour codes became colours" "$(field "$V0" expected_colours)" "$(field "$V0" colours)"
expect_eq "its document is stored again" "$C" "$(field "$V0" path0)"

# 5. The older 16-bit layout.
OLD=$E2E_WORK/older.cab
gen older "$OLD" --tab 6 --entry "$C"
quelt_start "/A=$(winpath "$OLD")"
check "the frame names the older cabinet" wait_window "older" 60
check "its document is reopened" wait_window "c.txt" 30
expect_eq "the older cabinet's tab width is in use" 6 "$(run_vbs "$E2E_TESTS/cabinet_tab.vbs")"
quit "the older-layout run"
expect_eq "the older cabinet is re-saved as version 1" 1 "$(field "$OLD" version)"
expect_eq "its colour codes became colours" "$(field "$OLD" expected_colours)" "$(field "$OLD" colours)"
expect_eq "its tab width is kept" 6 "$(field "$OLD" tab)"

# 6. The cabinet sheet: a tab width typed on the format page is in use at
# once and committed to the cabinet file ("CabinetSave" is on by default).
quelt_start "/A=$(winpath "$OLD")"
check "the older cabinet opens again" wait_window "c.txt" 60
sleep 3  # the splash closes
win=$(xdotool search --name "c.txt" | head -1)
xdotool mousemove --window "$win" 300 300 click 1
sleep 0.5
# Options, cabinet: the sheet opens on its format page.
xdotool key alt+o
sleep 1
xdotool key c
check "the cabinet sheet opens" wait_window "ｷｬﾋﾞﾈｯﾄ" 20
sleep 1
screenshot "$E2E_WORK/sheet.png"
xdotool key Tab Tab
xdotool type 9
xdotool key Return
sleep 2
expect_eq "the sheet's tab width is in use" 9 "$(run_vbs "$E2E_TESTS/cabinet_tab.vbs")"
expect_eq "the change is committed to the file at once" 9 "$(field "$OLD" tab)"

# 7. A new cabinet of type "Ｃ言語" from the new-cabinet dialog: the short
# file with that type's defaults, the frame titled after it.
MADE=$E2E_WORK/made.cab
probe button 32777 >"$E2E_WORK/button_new.txt"
expect_eq "the new-cabinet button is found by its prompt and tip" 0 "$?"
check "the new-cabinet dialog opens" wait_window "新規ｷｬﾋﾞﾈｯﾄの作成" 20
sleep 1
xdotool type "$(winpath "$E2E_WORK/made")"
xdotool key Tab Tab Down Down
sleep 1
screenshot "$E2E_WORK/new_cabinet.png"
xdotool key Return
check "the frame is titled after the new cabinet" wait_window "made" 20
check "the new cabinet file is created with .cab added" test -f "$MADE"
expect_eq "the new cabinet is of type 1" 1 "$(field "$MADE" type)"
expect_eq "with the line width of a C cabinet" 128 "$(field "$MADE" width)"
expect_eq "and no documents" 0 "$(field "$MADE" count)"
expect_eq "the previous cabinet was saved with its document" "$C" "$(field "$OLD" path0)"

# 8. Change cabinet: back to the older cabinet, whose document reopens.
probe button 32776 >"$E2E_WORK/button_change.txt"
expect_eq "the change-cabinet button is found by its prompt and tip" 0 "$?"
sleep 3
screenshot "$E2E_WORK/change_cabinet.png"
xdotool type "$(winpath "$OLD")"
xdotool key Return
check "the frame is titled after the chosen cabinet" wait_window "older" 20
check "the chosen cabinet's document is reopened" wait_window "c.txt" 20

# 9. The keyword page refuses a keyword of 31 bytes with 59404 and stays.
# The keyword page alone, from its tool-bar button.
probe button 32783 >"$E2E_WORK/button_keyword.txt"
expect_eq "the keyword button is found by its prompt" 0 "$?"
check "the keyword page opens" wait_window "ｷｬﾋﾞﾈｯﾄ" 20
sleep 1
xdotool type "$(printf 'a%.0s' $(seq 31))"
xdotool key Tab Tab Return
check "a keyword over 30 bytes is refused with a message" bash -c "for i in \$(seq 40); do xdotool search --onlyvisible --name '^Quelt\$' >/dev/null && exit 0; sleep 0.25; done; exit 1"
xdotool key Return
sleep 1
check "the keyword page stays open" wait_window "ｷｬﾋﾞﾈｯﾄ" 5
xdotool key Tab Escape
sleep 2
quit "the sheet run"
expect_eq "the new cabinet was saved without documents" 0 "$(field "$MADE" count)"
check "the frame-close save keeps the new cabinet readable" test "$(field "$MADE" version)" = 1
e2e_finish
