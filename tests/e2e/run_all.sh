#!/bin/bash
# Runs every tests/e2e/test_*.sh against the built quelt.exe and prints the
# totals as "e2e: N passed, N failed".
#
# The tests run in lanes, E2E_LANES at a time (default 2: the tests wait on
# the program most of the time). Each lane has its own virtual X display, its
# own Wine prefix (a copy of one made once) and its own wineserver; each test
# has its own work folder. A test whose file holds the line "# e2e: alone"
# needs the machine to itself (the one print scheduler) and runs after the
# others, with no other test beside it. A test's output is printed in one
# piece when it ends, so the lanes' output does not interleave.
#
# Usage: tests/e2e/run_all.sh [test name filter]
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=$root/build/e2e
lanes=${E2E_LANES:-2}
mkdir -p "$out"
: >"$out/times.txt"

tests=()
alone=()
for t in "$here"/test_*.sh; do
  name=$(basename "$t" .sh)
  if [ -n "${1:-}" ] && [[ "$name" != *"$1"* ]]; then continue; fi
  if grep -qx '# e2e: alone' "$t"; then alone+=("$t"); else tests+=("$t"); fi
done
# The longest tests first, so no lane is left with a long test at the end:
# by the times of the last run where there was one, else by length.
if [ ${#tests[@]} -gt 1 ]; then
  mapfile -t tests < <(for t in "${tests[@]}"; do
    n=$(basename "$t" .sh)
    s=
    [ -s "$out/last-times.txt" ] && s=$(awk -v n="$n" '$1 == n { print $2 * 10 }' "$out/last-times.txt")
    [ -n "$s" ] || s=$(wc -l <"$t")
    echo "$s $t"
  done | sort -rn | cut -d' ' -f2-)
fi

# A Wine prefix for every lane, copied from one made once.
export WINEDEBUG=-all
template=$out/prefix
WINEPREFIX=$template bash "$root/scripts/wine-prefix" || echo "e2e: warning: the Wine prefix could not be made"
make_lane_prefix() {
  local p=$out/prefix-$1
  if [ ! -f "$p/system.reg" ] || [ "$p/system.reg" -ot "$template/system.reg" ]; then
    rm -rf "$p"
    cp -a "$template" "$p"
  fi
}

# Starts a virtual display for a lane; sets lane_display and lane_xvfb.
start_display() {
  local fifo=$out/display-$1.fifo n
  rm -f "$fifo"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  lane_xvfb=$!
  read -r -t 30 n <"$fifo"
  rm -f "$fifo"
  lane_display=:${n:-}
}

# Runs one test in the lane's display and prefix; prints its output whole.
run_one() {
  local lane=$1 t=$2 name result log rc p f started
  name=$(basename "$t" .sh)
  result=$(mktemp)
  log=$(mktemp)
  started=$SECONDS
  DISPLAY=$lane_display WINEPREFIX=$out/prefix-$lane E2E_RESULT=$result timeout 900 bash "$t" >"$log" 2>&1
  rc=$?
  read -r p f <"$result" 2>/dev/null || { p=0; f=0; }
  if [ "$rc" -ne 0 ] && [ "${f:-0}" -eq 0 ]; then f=1; echo "FAIL [$name]: ended with code $rc" >>"$log"; fi
  {
    flock 9
    echo "== $name ($((SECONDS - started)) s)"
    cat "$log"
    echo "$name $((SECONDS - started))" >>"$out/times.txt"
    echo "${p:-0} ${f:-0}" >>"$out/totals.txt"
  } 9>>"$out/output.lock"
  rm -f "$result" "$log"
}

# A lane takes the next test of the queue until none is left.
lane_worker() {
  local lane=$1 i
  start_display "$lane"
  if [ "$lane_display" = ":" ]; then
    echo "FAIL [lane $lane]: no virtual display"
    echo "0 1" >>"$out/totals.txt"
    return
  fi
  while :; do
    i=$({
      flock 8
      i=$(cat "$out/queue.next")
      echo $((i + 1)) >"$out/queue.next"
      echo "$i"
    } 8>>"$out/queue.lock")
    [ "$i" -lt ${#tests[@]} ] || break
    run_one "$lane" "${tests[$i]}"
  done
  WINEPREFIX=$out/prefix-$lane timeout 30 wineserver -k >/dev/null 2>&1
  kill "$lane_xvfb" 2>/dev/null
  wait "$lane_xvfb" 2>/dev/null
}

: >"$out/totals.txt"
echo 0 >"$out/queue.next"
for ((l = 1; l <= lanes; l++)); do make_lane_prefix "$l"; done
for ((l = 1; l <= lanes; l++)); do lane_worker "$l" & done
wait

if [ ${#alone[@]} -gt 0 ]; then
  make_lane_prefix 1
  start_display alone
  lane_display_alone=$lane_display
  for t in "${alone[@]}"; do
    lane_display=$lane_display_alone
    run_one 1 "$t"
  done
  WINEPREFIX=$out/prefix-1 timeout 30 wineserver -k >/dev/null 2>&1
  kill "$lane_xvfb" 2>/dev/null
fi

read -r total_pass total_fail < <(awk '{ p += $1; f += $2 } END { print p + 0, f + 0 }' "$out/totals.txt")
cp "$out/times.txt" "$out/last-times.txt"
echo "e2e: $total_pass passed, $total_fail failed"
[ "$total_fail" -eq 0 ]
