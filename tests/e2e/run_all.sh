#!/bin/bash
# Runs every tests/e2e/test_*.sh against the built quelt.exe inside one
# virtual X display, and prints the totals as "N passed, N failed".
# Usage: tests/e2e/run_all.sh [test name filter]
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

if [ -z "${E2E_UNDER_XVFB:-}" ]; then
  export E2E_UNDER_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

mkdir -p "$root/build/e2e"
: >"$root/build/e2e/times.txt"
total_pass=0
total_fail=0
for t in "$here"/test_*.sh; do
  name=$(basename "$t" .sh)
  if [ -n "${1:-}" ] && [[ "$name" != *"$1"* ]]; then continue; fi
  result=$(mktemp)
  echo "== $name"
  started=$SECONDS
  E2E_RESULT=$result timeout 900 bash "$t"
  rc=$?
  echo "$name $((SECONDS - started))" >>"$root/build/e2e/times.txt"
  read -r p f <"$result" 2>/dev/null || { p=0; f=0; }
  rm -f "$result"
  if [ "$rc" -ne 0 ] && [ "${f:-0}" -eq 0 ]; then f=1; echo "FAIL [$name]: ended with code $rc"; fi
  total_pass=$((total_pass + ${p:-0}))
  total_fail=$((total_fail + ${f:-0}))
done
echo "e2e: $total_pass passed, $total_fail failed"
[ "$total_fail" -eq 0 ]
