#!/usr/bin/env bash
# Proves that include_order.sh fails where it should: a copy of src/ with one upward include
# planted in the model (a model header reaching the main window) must be refused, and the copy
# without it accepted. The argument is the project folder.
set -u
root=${1:-.}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$root/src" "$work/src"
check="$(dirname "$0")/include_order.sh"
if ! bash "$check" "$work" >/dev/null; then
  echo "the unplanted copy was refused"
  exit 1
fi
printf '#include "mainwin/main_menu.h"\n' >>"$work/src/model/geometry.h"
if bash "$check" "$work"; then
  echo "a planted upward include was not found"
  exit 1
fi
echo "a planted upward include is found"
