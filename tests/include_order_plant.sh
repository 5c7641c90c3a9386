#!/usr/bin/env bash
# Proves that include_order.sh fails where it should: a copy of src/ is accepted as it is, and
# refused with each planted include in the model: a model header reaching the main window in
# every spelling (from src/, relative, in angle brackets) and one naming a folder no layer knows.
# The argument is the project folder.
set -u
root=${1:-.}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
check="$(dirname "$0")/include_order.sh"
plants=('"mainwin/main_menu.h"' '"../mainwin/main_menu.h"' '<mainwin/main_menu.h>'
  '"mainwn/main_menu.h"')
status=0
for plant in "" "${plants[@]}"; do
  rm -rf "$work/src" && cp -r "$root/src" "$work/src"
  if [ -z "$plant" ]; then
    bash "$check" "$work" >/dev/null || { echo "the unplanted copy was refused"; status=1; }
    continue
  fi
  printf '#include %s\n' "$plant" >>"$work/src/model/geometry.h"
  if bash "$check" "$work" >/dev/null; then
    echo "a planted include was not found: $plant"
    status=1
  else
    echo "a planted include is found: $plant"
  fi
done
exit $status
