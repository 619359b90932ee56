#!/bin/bash
# Drives the automation object from a VBScript client under Wine: the
# harness serves QUELT.AUTOINT over a recording fake editor, client.vbs calls
# every method, and this script checks what the fake received and what the
# client got back. Run from the repository root after
#   cmake --preset win32 && cmake --build build/win32 --target auto_harness
set -u

harness=build/win32/tests/win/auto_harness.exe
outDir=build/win32/tests/win
log=$outDir/auto_harness_run.log
launchLog=$outDir/auto_harness.log
clsid='{366F74C1-0A98-4AC7-B534-B7C16C134713}'
export WINEPREFIX=${WINEPREFIX:-$PWD/build/wine-harness}
export WINEDEBUG=-all

passed=0
failed=0
pass() { passed=$((passed + 1)); }
fail() { failed=$((failed + 1)); echo "FAIL: $*"; }
check() {  # check <description> <command...>
  local what=$1; shift
  if "$@" >/dev/null 2>&1; then pass; else fail "$what"; fi
}
finish() { echo "$passed passed, $failed failed"; [ "$failed" -eq 0 ]; exit $?; }

if [ ! -f "$harness" ]; then
  fail "$harness missing (build the auto_harness target)"
  finish
fi
bash scripts/wine-prefix || { fail "the Wine prefix could not be made"; finish; }

# Registration on request and its removal, in both places.
check "/RegServer exits 0" timeout 60 wine "$harness" /RegServer
regValue=$(timeout 60 wine reg query "HKCU\\Software\\Classes\\CLSID\\$clsid\\LocalServer32" 2>/dev/null | tr -d '\r')
check "LocalServer32 is the quoted harness path" grep -q '"[A-Z]:\\.*\\auto_harness.exe"$' <<<"$regValue"
check "per-user ProgID names the class" bash -c "timeout 60 wine reg query 'HKCU\\Software\\Classes\\QUELT.AUTOINT\\CLSID' | grep -qi '$clsid'"
check "HKEY_CLASSES_ROOT ProgID names the class" bash -c "timeout 60 wine reg query 'HKCR\\QUELT.AUTOINT\\CLSID' | grep -qi '$clsid'"
check "class names its ProgID" bash -c "timeout 60 wine reg query 'HKCR\\CLSID\\$clsid\\ProgID' | grep -q 'QUELT.AUTOINT'"
check "/UnregServer exits 0" timeout 60 wine "$harness" /UnregServer
check "/UnregServer removed the per-user ProgID" bash -c "! timeout 60 wine reg query 'HKCU\\Software\\Classes\\QUELT.AUTOINT'"
check "/UnregServer removed the per-user class" bash -c "! timeout 60 wine reg query 'HKCU\\Software\\Classes\\CLSID\\$clsid'"
check "/UnregServer removed the machine-wide ProgID" bash -c "! timeout 60 wine reg query 'HKCR\\QUELT.AUTOINT'"

# The server registers itself at start-up and serves until Exit.
rm -f "$log" "$launchLog"
timeout 120 wine "$harness" "$log" 100 &
harnessPid=$!
for _ in $(seq 1 60); do
  grep -q '^Ready' "$log" 2>/dev/null && break
  sleep 0.5
done
check "harness ready" grep -q '^Ready' "$log"

output=$(timeout 120 wine cscript //nologo tests/win/client.vbs 2>/dev/null | tr -d '\r')
wait "$harnessPid"
harnessCode=$?
check "harness ended through Exit (code $harnessCode)" test "$harnessCode" -eq 0
check "harness stopped serving" grep -q '^Stopped$' "$log"

# Every call as the fake recorded it: numbers as passed (after coercion),
# BOOL arguments as 0/1, Shift-JIS texts in hex, InsertString's count held
# to the converted bytes.
expectedLog='Ready
MoveCaret 4
MoveCaret 99
IsInsertMode
SetInsertMode 0
IsInsertMode
IsTabToSpaceMode
SetTabToSpaceMode 1
IsTabToSpaceMode
GetColumnPos
GetColumnBasePos
GetLinePos
GetTabColumnCount
GetChar
HideCaret
Undo
Redo
SetCaretPos 3 100000
SetCaretPos 5 7
ReplaceTabWithSpace
ShowCaret
SetThickCaretMode 1
IsThickCaretMode
GetCharType
InsertString 616293FA96 5
InsertString 616293FA967B 6
InsertString - 0
InsertString B10D7A 3
SetColumnCount 80
SetColumnCount 9
FileNew
FileOpen 433A5C93FA967B8CEA2E747874
FileSave
FileSaveAs 443A5C612E747874
FileClose
DeleteString
ResetSelection
SendViewCommand 32768
SendViewCommand 32769
SendViewCommand 32770
SendViewCommand 32771
SendViewCommand 32772
SendViewCommand 32773
SendViewCommand 32774
SendViewCommand 32775
PlayOperation 93FA967B
GetLinePos
FileNew
GetTabColumnCount
Exit
Stopped'

# What the client got back: BOOL as Boolean True/False, long as Long, and
# the script errors for an unknown name (438), a wrong argument count (450),
# an argument that is no number (13) and an assignment (438).
expectedOutput='Texts=211
IsInsertMode=Boolean:True
IsInsertMode=Boolean:False
IsTabToSpaceMode=Boolean:False
IsTabToSpaceMode=Boolean:True
GetColumnPos=Long:11
GetColumnBasePos=Long:12
GetLinePos=Long:13
GetTabColumnCount=Long:8
GetChar=Long:8519840
IsThickCaretMode=Boolean:True
GetCharType=Long:2
SetColumnCount=Boolean:True
SetColumnCount=Boolean:False
FileNew=Boolean:True
FileOpen=Boolean:False
FileSave=Boolean:True
FileSaveAs=Boolean:True
FileClose=Boolean:False
getlinepos=Long:13
SecondObject=Long:8
NoSuchMethod=Err:438
SetCaretPosOneArg=Err:450
MoveCaretText=Err:13
AssignGetColumnPos=Err:438
Done'

compareLines() {  # compareLines <what> <expected> <actual>
  local what=$1 i
  local -a want got
  mapfile -t want <<<"$2"
  mapfile -t got <<<"$3"
  for i in "${!want[@]}"; do
    if [ "${want[$i]}" == "${got[$i]-}" ]; then pass; else fail "$what line $((i + 1)): expected '${want[$i]}', got '${got[$i]-}'"; fi
  done
  if [ "${#got[@]}" -eq "${#want[@]}" ]; then pass; else fail "$what has ${#got[@]} lines, expected ${#want[@]}"; fi
}
compareLines "call log" "$expectedLog" "$(tr -d '\r' <"$log" 2>/dev/null)"
compareLines "client output" "$expectedOutput" "$output"

# With no server running, COM starts the registered one itself.
launched=$(timeout 120 wine cscript //nologo tests/win/launch.vbs 2>/dev/null | tr -d '\r')
check "COM-started server answered" test "$launched" == "GetTabColumnCount=Long:8"
for _ in $(seq 1 40); do
  grep -q '^Stopped' "$launchLog" 2>/dev/null && break
  sleep 0.5
done
check "COM-started server logged to its own folder and ended through Exit" \
  bash -c "tr -d '\\r' <'$launchLog' | tr '\\n' ' ' | grep -q '^Ready GetTabColumnCount GetTabColumnCount Exit Stopped'"

finish
