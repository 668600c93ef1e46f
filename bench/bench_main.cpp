// The benchmark program's entry: Google Benchmark's options (--benchmark_filter, --benchmark_out, ...).
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
