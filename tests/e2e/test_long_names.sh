#!/bin/bash
# Files whose names are 250 and 255 characters long, at the limit of a
# name: opened through the automation object, changed and saved through the
# automation object, each save writes exactly the new bytes, leaves its
# backup copy and its mirror copy, and leaves no temporary file behind. A
# Save As to another 255-character name makes that file.
source "$(dirname "$0")/lib.sh"
e2e_begin long_names

# The documents lie in the root of drive C:, where "C:\" and a name of 255
# characters stay within the 259 characters of a path the program opens;
# the copies go below the work folder, through longer paths.
docs=$WINEPREFIX/drive_c
mkdir -p "$E2E_WORK/bak" "$E2E_WORK/mir"
clean_docs() { find "$docs" -maxdepth 1 -type f \( -name 'L25[05]x*.txt' -o -name 'S255x*.txt' -o -name '~qt*.tmp' \) -delete; }
clean_docs
# Names of plain letters: the Linux file system under Wine counts a name's
# bytes, and a 255-character name is 255 bytes only in ASCII.
# "L250xxx...x.txt": the length after an L, then x up to the length.
long_name() { printf 'L%s%s.txt' "$1" "$(head -c $(($1 - 5 - ${#1})) /dev/zero | tr '\0' 'x')"; }
name250=$(long_name 250)
name255=$(long_name 255)
saveas255=S${name255#L}
expect_eq "the first name has 250 characters" 250 "${#name250}"
expect_eq "the second name has 255 characters" 255 "${#name255}"
printf 'old 250\r\n' >"$docs/$name250"
printf 'old 255\r\n' >"$docs/$name255"

printf '[Settings]\r\nMultiInstance=1\r\nMakeBackupFile=1\r\nBackupFileFPath=%s\\\r\nBackupFileGenerationCount=1\r\n' \
  "$(winpath "$E2E_WORK/bak")" >"$E2E_APP/quelt.ini"
printf 'MakeMirrorFile=1\r\nSimpleMirror=1\r\nMirrorFileFPath=%s\\\r\n' "$(winpath "$E2E_WORK/mir")" >>"$E2E_APP/quelt.ini"

# The command line takes a file list of at most 255 bytes, so the files are
# opened through the automation object once the program runs.
quelt_start /Q
check "the program starts" wait_window "Kav Quelt" 60
vbs "o.FileOpen \"C:\\$name250\"" >/dev/null
check "the 250-character name opens" wait_window "L250x" 60
vbs "o.FileOpen \"C:\\$name255\"" >/dev/null
check "the 255-character name opens" wait_window "L255x" 60

# Waits until a file holds the given bytes (printf form).
wait_bytes() {
  local file=$1 want=$2 i
  for ((i = 0; i < 40; i++)); do
    [ -f "$file" ] && [ "$(od -An -tx1 "$file")" == "$(printf "$want" | od -An -tx1)" ] && return 0
    sleep 0.25
  done
  return 1
}

# The 255-character document was opened last and is active.
vbs 'o.InsertString "new ", 4' 'o.FileSave' >/dev/null
check "the 255-character file holds the saved bytes" wait_bytes "$docs/$name255" 'new old 255\r\n'
check "its backup copy holds them" wait_bytes "$E2E_WORK/bak/${name255%.txt}.\$01" 'new old 255\r\n'
check "its mirror copy holds them" wait_bytes "$E2E_WORK/mir/$name255" 'new old 255\r\n'

vbs "WScript.Echo o.FileSaveAs(\"C:\\$saveas255\")" >"$E2E_WORK/saveas.out"
# The BOOL comes back as True or, typed as a number, -1.
check "Save As to another 255-character name succeeds" grep -qxE 'True|-1' <(tr -d '\r' <"$E2E_WORK/saveas.out")
check "the Save As file holds the text" wait_bytes "$docs/$saveas255" 'new old 255\r\n'
check "the first file is left as it was saved" wait_bytes "$docs/$name255" 'new old 255\r\n'

vbs 'o.FileClose' >/dev/null
check "the 250-character document is active again" wait_window "L250x" 20
vbs 'o.InsertString "new ", 4' 'o.FileSave' >/dev/null
check "the 250-character file holds the saved bytes" wait_bytes "$docs/$name250" 'new old 250\r\n'
check "its backup copy holds them" wait_bytes "$E2E_WORK/bak/${name250%.txt}.\$01" 'new old 250\r\n'
check "its mirror copy holds them" wait_bytes "$E2E_WORK/mir/$name250" 'new old 250\r\n'

vbs 'o.Exit' >/dev/null
check "the program ends" wait_gone "$QUELT_PID" 30
leftover=$(find "$docs" -maxdepth 1 -name '~qt*'; find "$E2E_WORK/bak" "$E2E_WORK/mir" -name '~qt*')
expect_eq "no temporary file is left" "" "$leftover"
clean_docs
e2e_finish
