#!/bin/sh
# Builds the benchmarks natively (headless dialog manager) and for Windows, runs both in one go
# (the Windows one under Wine against the real dialog manager) and writes the table to
# bench/RESULTS.md and into the README. Extra arguments go to both programs, e.g. --benchmark_filter=select.
set -eu
cd "$(dirname "$0")/.."
native=build/bench-native
windows=build/bench-win64
cmake -S . -B "$native" -DCMAKE_BUILD_TYPE=Release -DUIRESOURCE_BENCH=ON >/dev/null
cmake --build "$native" -j2 --target uiresource_bench >/dev/null
cmake -S . -B "$windows" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake -DCMAKE_BUILD_TYPE=Release \
  -DUIRESOURCE_BENCH=ON >/dev/null
cmake --build "$windows" -j2 --target uiresource_bench >/dev/null

# The benchmark prefix is made as the tests' is (cmake/wine-prefix.sh: Wine's own fonts, unmanaged
# windows), by the first Wine run below.
export WINEPREFIX="$PWD/$windows/wineprefix"

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
echo "== headless"
"$native/bin/uiresource_bench" --benchmark_out="$PWD/$native/results.json" --benchmark_out_format=json "$@"
echo "== Wine"
# A dialog's first opening under Wine loads fonts and classes: a longer minimum time keeps that
# one slow iteration out of the reported batch.
sh cmake/wine-run.sh "$windows/bin/uiresource_bench.exe" --benchmark_out="$PWD/$windows/results.json" \
  --benchmark_min_time=2 "$@"
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

python3 bench/write_results.py --headless "$native/results.json" --wine "$windows/results.json" \
  --load "$load_before / $load_after" --date "$(date -u '+%Y-%m-%d %H:%M UTC')" --out bench/RESULTS.md \
  --readme README.md
cat bench/RESULTS.md
