#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test: the normal build (engine,
# windows on the offscreen platform, house rules), the sanitizer build of the engine tests and
# the thread-sanitizer build of the searches that run on several threads.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSELVANA_SANITIZE=ON -DSELVANA_GUI=OFF
cmake --build build-asan -j "$jobs" --target selvana_engine_tests
ctest --test-dir build-asan --output-on-failure -j "$jobs" -R engine
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSELVANA_THREAD_SANITIZE=ON \
  -DSELVANA_GUI=OFF
cmake --build build-tsan -j "$jobs" --target selvana_engine_tests
build-tsan/tests/selvana_engine_tests --gtest_filter='SearchIdentity.*:SearchDumps.*'
