// The entry point of the search benchmarks: every benchmark registered in this folder runs
// from here (see README for the command line).
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
