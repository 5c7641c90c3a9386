#!/usr/bin/env bash
# The engine library links nothing from Qt: no symbol it leaves for the linker to find may be a
# Qt one. Catches what the include rule cannot, such as a Qt library linked in by a build edit
# and used through a declaration of its own. Usage: engine_links_no_qt.sh path/to/libselvana_core.a
set -u
lib=${1:?library path}
symbols=$(nm -C --undefined-only "$lib") || { echo "cannot read $lib"; exit 2; }
hits=$(grep -E '(^|[^A-Za-z0-9_])(Q[A-Z][A-Za-z0-9]*::|qt_[a-z])' <<<"$symbols" | sort -u)
if [ -n "$hits" ]; then
  echo "the engine library needs Qt symbols:"
  echo "$hits"
  exit 1
fi
echo "the engine library needs no Qt symbol"
