#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need (quick when present).
set -euo pipefail
pkgs="cmake ninja-build g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev qt6-translations-l10n fonts-umeplus"
missing=""
for p in $pkgs; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends $missing
