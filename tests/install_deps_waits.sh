#!/usr/bin/env bash
# scripts/install-deps.sh waits while another program holds the package manager's lock, also
# when the user's language is not English (apt then tells of the lock in that language).
# Runs the script against stand-ins for dpkg-query, apt-get and sudo: every package is missing,
# and the first apt-get call finds the lock held. Usage: install_deps_waits.sh source-folder
set -u
source_folder=${1:?source folder}
fake=$(mktemp -d)
trap 'rm -rf "$fake"' EXIT
cat >"$fake/dpkg-query" <<'FAKE'
#!/bin/sh
exit 1
FAKE
cat >"$fake/sudo" <<'FAKE'
#!/bin/sh
exec "$@"
FAKE
# Fails its first call as apt does when the lock is held, in the language of the locale.
cat >"$fake/apt-get" <<'FAKE'
#!/bin/sh
echo "$*" >>"$APT_CALLS"
[ "$(wc -l <"$APT_CALLS")" -gt 1 ] && exit 0
if [ "${LC_ALL:-${LC_MESSAGES:-${LANG:-C}}}" = C ]; then
  echo "E: Could not get lock /var/lib/apt/lists/lock. It is held by process 7 (apt-get)" >&2
else
  echo "E: ロック /var/lib/apt/lists/lock を取得できませんでした。プロセス 7 (apt-get) が保持しています" >&2
fi
exit 100
FAKE
chmod +x "$fake"/*
export APT_CALLS=$fake/calls
failed=0
for lang in C ja_JP.UTF-8; do
  : >"$APT_CALLS"
  if ! env -u LC_ALL -u LC_MESSAGES LANG=$lang PATH="$fake:$PATH" \
    bash "$source_folder/scripts/install-deps.sh" >"$fake/log" 2>&1; then
    echo "LANG=$lang: install-deps.sh gave up on a held lock:"
    cat "$fake/log"
    failed=1
  elif ! grep -q ' install ' "$APT_CALLS"; then
    echo "LANG=$lang: install-deps.sh installed nothing"
    failed=1
  fi
done
[ "$failed" = 0 ] && echo "install-deps.sh waits for the lock"
exit "$failed"
