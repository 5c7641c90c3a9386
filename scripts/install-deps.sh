#!/usr/bin/env bash
# Installs every Debian package the build, the program, the tests and the fuzz targets need
# (quick when present). When another program holds the package manager's lock, apt waits for it
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
wait_lock="-o DPkg::Lock::Timeout=300"
$sudo apt-get $wait_lock update
$sudo apt-get $wait_lock install -y --no-install-recommends $missing
