#!/bin/bash
# Shared helpers of the tests that drive the real quelt.exe under Wine.
# A test is tests/e2e/test_*.sh; it sources this file, calls e2e_begin with
# its name, uses the helpers below and ends with e2e_finish. run_all.sh runs
# the tests two at a time, each lane with its own virtual X display and Wine
# prefix; a test touches only its own work folder, $WINEPREFIX and $DISPLAY.
#
#   e2e_begin NAME       fresh work folder $E2E_WORK with the program copied
#                        into $E2E_APP (settings, cabinet and temporary files
#                        land beside it); $E2E_APP_WIN is its Windows path
#   winpath PATH         the Windows path of a Linux path (Z:\...)
#   quelt_start ARGS...  starts $E2E_APP/quelt.exe in the background; the pid
#                        is $QUELT_PID
#   wait_window TEXT [S] waits up to S seconds (default 30) for a top-level
#                        window whose title contains TEXT
#   wait_gone PID [S]    waits for a process to end; false on time-out
#   quelt_running        true while a quelt.exe runs in this test's prefix
#   run_vbs FILE ARGS... runs a VBScript client with cscript, prints its
#                        output without CRs
#   wait_no_window TEXT [SECONDS]  waits until no shown window's title holds TEXT
#   check WHAT CMD...    counts a pass when CMD succeeds, else prints FAIL
#   expect_eq WHAT WANT GOT
#   probe ARGS...        runs tests/win's probe.exe (built beside quelt.exe)
#                        against the running editor, output without CRs
#   vbs LINES...         runs VBScript lines with o = the automation object
#   focus TITLE          activates the top-level window whose title holds TITLE
#   answer_popup TITLE [S]  answers the program's popup of that title with Return
#   e2e_finish           kills what is left, prints "N passed, N failed"
set -u

E2E_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
E2E_BUILD=${E2E_BUILD:-$E2E_ROOT/build/win32}
E2E_EXE=$E2E_BUILD/src/win/quelt.exe
E2E_PROBE=$E2E_BUILD/tests/win/probe.exe
E2E_TESTS=$E2E_ROOT/tests/e2e
export WINEPREFIX=${WINEPREFIX:-$E2E_ROOT/build/e2e/prefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

e2e_passed=0
e2e_failed=0
QUELT_PID=

pass() { e2e_passed=$((e2e_passed + 1)); }
fail() { e2e_failed=$((e2e_failed + 1)); echo "FAIL [$E2E_NAME]: $*"; }
check() {
  local what=$1; shift
  if "$@" >/dev/null 2>&1; then pass; else fail "$what"; fi
}
expect_eq() {
  if [ "$2" == "$3" ]; then pass; else fail "$1: expected '$2', got '$3'"; fi
}
expect_ne() {
  if [ "$2" != "$3" ]; then pass; else fail "$1: both \"$2\""; fi
}

winpath() { echo "Z:$(realpath -m "$1" | tr '/' '\\')"; }

# Creates the Wine prefix once, with a Japanese font linked in.
e2e_prefix() { bash "$E2E_ROOT/scripts/wine-prefix"; }

e2e_begin() {
  E2E_NAME=$1
  E2E_WORK=$E2E_ROOT/build/e2e/$E2E_NAME
  E2E_APP=$E2E_WORK/app
  rm -rf "$E2E_WORK"
  mkdir -p "$E2E_APP"
  if [ ! -f "$E2E_EXE" ]; then
    fail "$E2E_EXE missing (build the win32 preset)"
    e2e_finish
  fi
  cp "$E2E_EXE" "$E2E_APP/quelt.exe"
  E2E_APP_WIN=$(winpath "$E2E_APP")
  e2e_prefix || { fail "the Wine prefix could not be made"; e2e_finish; }
  timeout 30 wineserver -k >/dev/null 2>&1
  timeout 30 wineserver -w >/dev/null 2>&1
}

quelt_start() {
  (cd "$E2E_APP" && exec timeout 300 wine "$E2E_APP/quelt.exe" "$@" >>"$E2E_WORK/quelt.log" 2>&1) &
  QUELT_PID=$!
}

# Titles of the top-level windows, one a line.
window_titles() { xdotool search --onlyvisible --name '.' getwindowname %@ 2>/dev/null; }

wait_window() {
  local text=$1 seconds=${2:-30} i
  for ((i = 0; i < seconds * 4; i++)); do
    window_titles | grep -qF -- "$text" && return 0
    sleep 0.25
  done
  return 1
}

wait_no_window() {
  local text=$1 seconds=${2:-30} i
  for ((i = 0; i < seconds * 4; i++)); do
    window_titles | grep -qF -- "$text" || return 0
    sleep 0.25
  done
  return 1
}

wait_gone() {
  local pid=$1 seconds=${2:-30} i
  for ((i = 0; i < seconds * 4; i++)); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.25
  done
  return 1
}

# The PIDs of the copies of quelt.exe running in this test's Wine prefix
# (the automation server is started by COM, not by the test, so its PID is
# found here); copies in other prefixes, other tests', are not ours.
quelt_pids() {
  local pid
  for pid in $(pgrep -f 'quelt\.exe'); do
    { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && echo "$pid"
  done
}
quelt_running() { [ -n "$(quelt_pids)" ]; }

run_vbs() {
  local file=$1; shift
  timeout 120 wine cscript //nologo "$(winpath "$file")" "$@" 2>/dev/null | tr -d '\r'
}

# Reads key from the [Settings] section of the program's settings file.
settings_value() {
  local ini=$E2E_APP/quelt.ini
  [ -f "$ini" ] || ini=$(ls "$E2E_APP"/*.[Ii][Nn][Ii] 2>/dev/null | head -1)
  [ -n "$ini" ] && [ -f "$ini" ] || return 1
  tr -d '\r' <"$ini" | awk -v key="$1" '
    /^\[/ { section = $0; next }
    section == "[Settings]" && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }'
}

probe() {
  [ -f "$E2E_PROBE" ] || { echo "probe: $E2E_PROBE missing" >&2; return 2; }
  local rc
  timeout 300 wine "$E2E_PROBE" "$@" 2>/dev/null | tr -d '\r'
  rc=${PIPESTATUS[0]}
  return "$rc"
}

vbs() {
  { printf 'Set o = CreateObject("QUELT.AUTOINT")\r\n'; printf '%s\r\n' "$@"; } >"$E2E_WORK/step.vbs"
  run_vbs "$E2E_WORK/step.vbs"
}

focus() {
  local win
  win=$(xdotool search --name "$1" | head -1)
  [ -n "$win" ] && xdotool windowactivate --sync "$win" >/dev/null 2>&1
  sleep 0.5
}

# Waits up to SECONDS (default 30) for a popup of the program whose title
# holds TITLE (a message box, a report), answers it with Return; false on
# time-out.
answer_popup() {
  local title=$1 seconds=${2:-30} i
  for ((i = 0; i < seconds * 4; i++)); do
    if probe popups | grep -q -- "$title"; then
      focus "$title"
      xdotool key Return
      return 0
    fi
    sleep 0.25
  done
  return 1
}

screenshot() { import -window root "$1" 2>/dev/null; }

e2e_finish() {
  timeout 30 wineserver -k >/dev/null 2>&1
  echo "[$E2E_NAME] $e2e_passed passed, $e2e_failed failed"
  echo "$e2e_passed $e2e_failed" >"${E2E_RESULT:-/dev/null}"
  [ "$e2e_failed" -eq 0 ]
  exit $?
}
