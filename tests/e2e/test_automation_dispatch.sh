#!/bin/bash
# The dispatch interface itself, every method and argument conversion, served
# by auto_harness.exe over a recording fake editor (tests/win).
source "$(dirname "$0")/lib.sh"
e2e_begin automation_dispatch
out=$(cd "$E2E_ROOT" && bash tests/win/auto_harness_test.sh 2>&1)
echo "$out" | grep '^FAIL' || true
read -r p f < <(echo "$out" | sed -n 's/^\([0-9]*\) passed, \([0-9]*\) failed$/\1 \2/p' | tail -1)
if [ -z "${p:-}" ]; then fail "auto_harness_test.sh printed no summary"; else
  e2e_passed=$((e2e_passed + p)); e2e_failed=$((e2e_failed + f)); fi
e2e_finish
