#!/bin/bash
# The cabinet file-list window: shown with an empty list it opens the
# cabinet sheet at its file list, where two files of one name in different
# folders are registered; the window then lists them (names only), each
# opening its own path with Enter; a second ﾌｧｲﾙﾘｽﾄ activates the same
# window, which cannot be saved.
source "$(dirname "$0")/lib.sh"
e2e_begin cabinet_file_list

mkdir -p "$E2E_WORK/one" "$E2E_WORK/two"
printf 'first\r\n' >"$E2E_WORK/one/same.txt"
printf 'second\r\n' >"$E2E_WORK/two/same.txt"
list_title=$(printf '\xef\xbe\x8c\xef\xbd\xa7\xef\xbd\xb2\xef\xbe\x99\xef\xbe\x98\xef\xbd\xbd\xef\xbe\x84')  # ﾌｧｲﾙﾘｽﾄ
count_titles() { probe titles | grep -c -- "$1"; }

quelt_start /Q
check "the program starts" wait_window "Quelt" 60
sleep 1
(probe command 32963 >/dev/null &)
check "an empty list opens the cabinet sheet" wait_window "ｷｬﾋﾞﾈｯﾄ" 20
sleep 1
focus "ｷｬﾋﾞﾈｯﾄ"
for f in one two; do
  xdotool key alt+a
  sleep 1.5
  xdotool type --delay 20 "$(winpath "$E2E_WORK/$f/same.txt")"
  xdotool key Return
  sleep 1
  focus "ｷｬﾋﾞﾈｯﾄ"
done
screenshot "$E2E_WORK/files_page.png"
xdotool key Return  # OK
sleep 1.5
expect_eq "the file-list window is open" 1 "$(count_titles "$list_title")"
screenshot "$E2E_WORK/file_list.png"

# Enter on the first item, then on the second: two documents, so two paths.
before=$(probe titles | wc -l)
focus "Quelt"
xdotool key Home Return
sleep 1.5
(probe command 32963 >/dev/null &)
sleep 1
xdotool key Down Return
sleep 1.5
expect_eq "each item opens its own path" $((before + 2)) "$(probe titles | wc -l)"
expect_eq "both are same.txt" 2 "$(count_titles same.txt)"

# Another ﾌｧｲﾙﾘｽﾄ brings back the one window; it has nothing to save.
probe command 32963 >/dev/null
sleep 1
expect_eq "there is still one file-list window" 1 "$(count_titles "$list_title")"
expect_eq "it is the active one" "A" "$(probe titles | grep -- "$list_title" | cut -c1)"
# The caret panes belong to a text view: the list has none to show.
for pane in 1 2 3; do
  expect_eq "status pane $pane is empty while the list is active" "" "$(probe pane $pane | sed 's/ *$//')"
done
vbs "WScript.Echo o.FileSave" >/dev/null
check "saving the list writes nothing" test -z "$(ls "$E2E_WORK" | grep -v -e one -e two -e app -e '\.png' -e '\.vbs' -e '\.log')"
vbs "o.Exit" >/dev/null
check "the program ends without asking about the list" wait_gone "$QUELT_PID" 30
e2e_finish
