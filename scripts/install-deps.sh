#!/usr/bin/env bash
# Installs every Debian package the build, the program, the tests and the fuzz targets need
# (quick when present). When another program holds the package manager's lock, it waits for it
# up to five minutes instead of failing at once.
set -euo pipefail
pkgs="cmake ninja-build g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev qt6-translations-l10n fonts-umeplus clang libclang-rt-dev git"
missing=""
for p in $pkgs; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

# apt-get with its arguments, run again while it fails for a lock another program holds.
# DPkg::Lock::Timeout makes apt wait for dpkg's lock itself; the lock of the package lists
# (apt-get update) and of the download folder it does not wait for. apt speaks English here,
# as the lock is recognised by its English message.
apt_get() {
  local deadline=$((SECONDS + 300))
  local log
  log=$(mktemp)
  until $sudo env LC_ALL=C apt-get -o DPkg::Lock::Timeout=300 "$@" 2>&1 | tee "$log"; do
    if ! grep -q "Could not get lock" "$log" || [ "$SECONDS" -ge "$deadline" ]; then
      rm -f "$log"
      return 1
    fi
    echo "waiting for another program to release the package manager's lock"
    sleep 5
  done
  rm -f "$log"
}
apt_get update
apt_get install -y --no-install-recommends $missing
