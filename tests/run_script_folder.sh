#!/usr/bin/env bash
# scripts/run.sh starts the program in the per-user folder, fills it with the files that come
# with the program (share/) and never replaces the user's settings file. Runs the script in a
# stand-in checkout whose install script, build and program only report what they were given.
# Usage: run_script_folder.sh source-folder
set -u
source_folder=${1:?source folder}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
checkout=$root/checkout
mkdir -p "$checkout/scripts" "$checkout/share" "$checkout/build/src" "$root/bin" "$root/home"
cp "$source_folder/scripts/run.sh" "$checkout/scripts/"
: >"$checkout/scripts/install-deps.sh"
printf '#!/bin/sh\nexit 0\n' >"$root/bin/cmake"
printf '#!/bin/sh\npwd >"%s/started-in"\n' "$root" >"$checkout/build/src/selvana"
chmod +x "$root/bin/cmake" "$checkout/build/src/selvana"
echo "program's" >"$checkout/share/SYSVER.DAT"
echo "program's" >"$checkout/share/DROVIK.ini"

failed=0
expect() {  # what file-or-text expected
  if [ "$2" != "$3" ]; then
    echo "$1: '$2', expected '$3'"
    failed=1
  fi
}
# xdg: the XDG_DATA_HOME given (- for none); folder: where the program must start; ini: whose
# settings file it finds there (a folder without one gets the program's).
while read -r xdg folder ini; do
  [ "$xdg" = - ] && xdg=
  xdg=${xdg/ROOT/$root} folder=${folder/ROOT/$root}
  rm -rf "$root/home" "$root/data" "$checkout/relative" && mkdir -p "$root/home/.local/share/selvana"
  echo "user's" >"$root/home/.local/share/selvana/DROVIK.ini"
  (cd "$checkout" && env HOME="$root/home" XDG_DATA_HOME="$xdg" PATH="$root/bin:$PATH" \
    bash scripts/run.sh >/dev/null 2>&1) || { echo "XDG_DATA_HOME='$xdg': run.sh failed"; failed=1; }
  expect "start folder (XDG_DATA_HOME='$xdg')" "$(cat "$root/started-in" 2>/dev/null)" "$folder"
  expect "SYSVER.DAT there" "$(cat "$folder/SYSVER.DAT" 2>/dev/null)" "program's"
  expect "DROVIK.ini there" "$(cat "$folder/DROVIK.ini" 2>/dev/null)" "$ini"
  [ -e "$checkout/relative" ] && { echo "XDG_DATA_HOME='$xdg': wrote into the checkout"; failed=1; }
done <<'CASES'
- ROOT/home/.local/share/selvana user's
ROOT/data ROOT/data/selvana program's
relative ROOT/home/.local/share/selvana user's
CASES
[ "$failed" = 0 ] && echo "run.sh starts the program in its per-user folder"
exit "$failed"
