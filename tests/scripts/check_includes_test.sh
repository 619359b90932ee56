#!/usr/bin/env bash
# The include check over small trees: what it must refuse (an include of a
# higher layer, two folders of one layer that include each other, the HTML
# visual windows taken for the html service, a folder it has no layer for)
# and what it must let through (downward and one-way includes, the engine's
# headers, same-folder includes). Prints "check-includes tests: N passed, N failed".
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
check=$root/scripts/check-includes
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pass=0
fail=0

# put TREE FILE INCLUDE...: writes FILE under TREE with the includes given.
put() {
  local tree=$1 file=$2
  shift 2
  mkdir -p "$(dirname "$tree/$file")"
  : >"$tree/$file"
  for inc in "$@"; do echo "#include \"$inc\"" >>"$tree/$file"; done
}

# expect NAME STATUS PATTERN... : the check of the tree NAME exits with STATUS
# and prints a line matching each pattern.
expect() {
  local name=$1 status=$2
  shift 2
  local out got
  out=$("$check" "$work/$name" 2>&1)
  got=$?
  local ok=true
  [ "$got" -eq "$status" ] || { echo "$name: exit $got, expected $status"; ok=false; }
  for pattern in "$@"; do
    grep -qE -- "$pattern" <<<"$out" || { echo "$name: no line matching '$pattern'"; ok=false; }
  done
  if $ok; then pass=$((pass + 1)); else fail=$((fail + 1)); echo "$out" | sed 's/^/  | /'; fi
}

# A tree in its layers: every include goes down or stays within one folder,
# one-way within the window layer; engine headers and <system> headers pass.
clean=$work/clean
put "$clean" framework/win.h
put "$clean" framework/win.cpp framework/win.h win.h
put "$clean" settings/page.cpp framework/win.h text/text_store.h
put "$clean" cabinet/service.h settings/page.h
put "$clean" settings/page.h
put "$clean" view/edit.h cabinet/service.h framework/win.h
put "$clean" text/files.cpp view/edit.h
put "$clean" html/visual/hyl.cpp view/edit.h text/files.h html/tags.h
put "$clean" text/files.h
put "$clean" html/tags.h
put "$clean" frame/frame.cpp view/edit.h html/visual/hyl.h
put "$clean" html/visual/hyl.h
put "$clean" app/app.cpp frame/frame.h view/edit.h cabinet/service.h
put "$clean" frame/frame.h
put "$clean" automation/server.cpp app/app.h
put "$clean" app/app.h
echo '#include <windows.h>' >>"$clean/view/edit.h"
expect clean 0 '0 upward includes, 0 folder pairs'

# A service that includes a window, and the application object from a window
# (which the application includes: a pair as well).
upward=$work/upward
cp -r "$clean" "$upward"
put "$upward" print/session.cpp view/edit.h framework/win.h
put "$upward" view/paint.cpp app/app.h
expect upward 1 '^upward: print/session.cpp:1 includes view' '^upward: view/paint.cpp:1 includes app' \
  '^mutual: app <-> view' '2 upward includes, 1 folder pairs'

# Two service folders of one layer that include each other, and two windows.
mutual=$work/mutual
cp -r "$clean" "$mutual"
put "$mutual" settings/colours.cpp cabinet/service.h
put "$mutual" view/doc.cpp text/files.h
expect mutual 1 '^mutual: cabinet <-> settings \(1/1 includes\)' '^mutual: text <-> view \(1/1 includes\)' \
  '0 upward includes, 2 folder pairs'

# The visual windows are a folder of the window layer, not part of html.
visual=$work/visual
cp -r "$clean" "$visual"
put "$visual" html/tag_dialogs.cpp html/visual/hyl.h
expect visual 1 '^upward: html/tag_dialogs.cpp:1 includes html/visual \(layer 2\) from html \(layer 1\)'

# A new folder must be given its layer before anything includes across it.
unknown=$work/unknown
cp -r "$clean" "$unknown"
put "$unknown" spelling/check.cpp framework/win.h
expect unknown 1 '^unknown folder: spelling/check.cpp:1'

echo "check-includes tests: $pass passed, $fail failed"
[ "$fail" -eq 0 ]
