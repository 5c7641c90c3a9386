#!/usr/bin/env bash
# Builds the fuzz targets (clang with libFuzzer and the address and undefined-behaviour
# sanitizers, no windows) in build-fuzz and runs each one for the given number of seconds
# (default 20), starting from the project's own files. What a run finds interesting stays in
# build-fuzz/corpus/<target> for the next run; an input that crashes a reader is saved as
# build-fuzz/crash-* and fails the script. CMAKE_BUILD_PARALLEL_LEVEL limits the build jobs.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
root=$PWD
out=$root/build-fuzz
cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DSELVANA_FUZZ=ON -DSELVANA_GUI=OFF -DSELVANA_BENCH=OFF
cmake --build "$out" -j "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"

# fuzz target seed-folder... : the targets work in a scratch folder of their own, so every
# path they are given is absolute.
fuzz() {
  local target=$1; shift
  local seeds=()
  for s in "$@"; do seeds+=("$root/$s"); done
  mkdir -p "$out/corpus/$target"
  echo "fuzzing $target for $seconds s (log: $out/$target.log)"
  # The fuzzer reports every new input; its log is shown only when it finds a fault.
  if ! "$out/fuzz/$target" -max_total_time="$seconds" -artifact_prefix="$out/" \
    "$out/corpus/$target" "${seeds[@]}" >"$out/$target.log" 2>&1; then
    tail -n 60 "$out/$target.log"
    return 1
  fi
  tail -n 1 "$out/$target.log"
}
# A seed folder is read with its sub-folders: tests/data brings the samples of tests/data/samples.
fuzz project_file_fuzz examples tests/data
fuzz project_round_trip_fuzz examples tests/data
fuzz dxf_import_fuzz fuzz/seeds/dxf
fuzz pile_file_fuzz fuzz/seeds/pile
fuzz partial_factor_fuzz fuzz/seeds/factors
fuzz settings_file_fuzz fuzz/seeds/settings
