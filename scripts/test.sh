#!/usr/bin/env bash
# Installs what is needed, then builds and runs every test in a fresh copy of the checkout inside
# an empty temporary folder, so that a build or a test reading anything outside the repository
# fails here rather than on someone else's machine. Stages: the normal build with all tests
# (engine, windows on the offscreen platform, house rules), the engine tests again under the
# address and undefined-behaviour sanitizers, the tests of the threaded searches under the
# thread sanitizer, and a short run of every fuzz target. Each stage builds only what it runs
# and says how long it took. CMAKE_BUILD_PARALLEL_LEVEL limits the jobs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}

# Copies the files git tracks or would add (uncommitted edits included, ignored files and build
# folders left out) into the folder $1.
copy_checkout() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard |
      while IFS= read -r -d '' f; do if [ -f "$f" ]; then printf '%s\0' "$f"; fi; done |
      tar --null -T - -cf - | tar -xf - -C "$1"
  else
    tar --exclude='./build*' -cf - . | tar -xf - -C "$1"
  fi
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/selvana"
copy_checkout "$work/selvana"
cd "$work/selvana"
echo "testing a copy of the checkout in $PWD"

# ccache, when present, still finds its results although the folder is new each time.
if command -v ccache >/dev/null; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_BASEDIR="$work" CCACHE_NOHASHDIR=1
fi

passed=0
# stage name function: runs one stage and says how long it took.
stage() {
  local start=$SECONDS
  echo "== stage $1"
  "$2"
  passed=$((passed + 1))
  echo "== stage $1 took $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s"
}

# Everything the program ships with, and every test of it.
normal() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build build -j "$jobs"
  ctest --test-dir build --output-on-failure --no-tests=error -j "$jobs"
}

# The engine tests under the address and undefined-behaviour sanitizers.
sanitized_engine() {
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSELVANA_SANITIZE=ON -DSELVANA_GUI=OFF
  cmake --build build-asan -j "$jobs" --target selvana_engine_tests
  ctest --test-dir build-asan --output-on-failure --no-tests=error -j "$jobs" -R '^engine$'
}

# The tests of the threaded searches under the thread sanitizer: only they are built.
threaded_searches() {
  cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSELVANA_THREAD_SANITIZE=ON \
    -DSELVANA_GUI=OFF
  cmake --build build-tsan -j "$jobs" --target selvana_thread_tests
  build-tsan/tests/selvana_thread_tests
}

fuzzing() { bash scripts/fuzz.sh 20; }

stage normal normal
stage sanitized-engine sanitized_engine
stage threaded-searches threaded_searches
stage fuzzing fuzzing
# One closing line in the form test runners use, for whoever reads the end of the log.
echo "stages: $passed passed, 0 failed"
