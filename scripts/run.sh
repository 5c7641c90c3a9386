#!/usr/bin/env bash
# Installs what is needed, builds the program and starts it in its per-user folder
# ($XDG_DATA_HOME/selvana, by default ~/.local/share/selvana), as a desktop shortcut's start
# folder would: the program takes the folder it starts in as its program folder and keeps its
# settings file, dump files and output files there, never in the checkout. The folder gets the
# files that come with the program (share/); the user's settings file is never overwritten.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target selvana
program="$PWD/build/src/selvana"
# A relative XDG_DATA_HOME is not valid and is ignored, as the XDG rules say (it would put the
# folder inside the checkout).
data_home=${XDG_DATA_HOME:-}
[ "${data_home:0:1}" = / ] || data_home=$HOME/.local/share
home="$data_home/selvana"
mkdir -p "$home"
shopt -s nullglob
for f in share/*; do
  if [ "$(basename "$f")" = DROVIK.ini ] && [ -e "$home/DROVIK.ini" ]; then continue; fi
  cp -Rf "$f" "$home/"
done
cd "$home"
exec "$program"
