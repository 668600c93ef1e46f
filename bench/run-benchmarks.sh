#!/bin/sh
# Builds the benchmarks natively (headless dialog manager), natively from the last release's tag
# and for Windows; runs this version's and the release's headless rows in turn, row by row and
# several rounds, so that the machine's load falls on both alike, then the Windows program under
# Wine against the real dialog manager; writes the table to bench/RESULTS.md and into the README.
# Extra arguments go to every program, e.g. --benchmark_filter=select. BENCH_ROUNDS (default 5)
# sets the rounds.
set -eu
cd "$(dirname "$0")/.."
native=build/bench-native
windows=build/bench-win64
release=build/bench-release
release_name=1.0.0
release_tag=v1.0.0
release_commit=0d0097e  # the tag's commit, for a clone that has no tags
rounds=${BENCH_ROUNDS:-5}

cmake -S . -B "$native" -DCMAKE_BUILD_TYPE=Release -DUIRESOURCE_BENCH=ON >/dev/null
cmake --build "$native" -j2 --target uiresource_bench >/dev/null
cmake -S . -B "$windows" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake -DCMAKE_BUILD_TYPE=Release \
  -DUIRESOURCE_BENCH=ON >/dev/null
cmake --build "$windows" -j2 --target uiresource_bench >/dev/null

# The release's own benchmark program, from its sources as the tag has them, built as this one is.
release_rev=$(git rev-parse -q --verify "$release_tag^{commit}" ||
  git rev-parse -q --verify "$release_commit^{commit}" || true)
if [ -n "$release_rev" ]; then
  if [ "$(cat "$release/source/.commit" 2>/dev/null || true)" != "$release_rev" ]; then
    rm -rf "$release/source"
    mkdir -p "$release/source"
    git archive "$release_rev" | tar -x -C "$release/source"
    echo "$release_rev" >"$release/source/.commit"
  fi
  cmake -S "$release/source" -B "$release/build" -DCMAKE_BUILD_TYPE=Release -DUIRESOURCE_BENCH=ON >/dev/null
  cmake --build "$release/build" -j2 --target uiresource_bench >/dev/null
  release_source="commit $(git rev-parse --short "$release_rev")"
  if git rev-parse -q --verify "$release_tag^{commit}" >/dev/null; then
    release_source="tag $release_tag at $(git rev-parse --short "$release_rev")"
  fi
else
  echo "== $release_tag ($release_commit) is not in this clone (git fetch --tags, or a full clone): no comparison"
fi

# The benchmark prefix is made as the tests' is (cmake/wine-prefix.sh: Wine's own fonts, unmanaged
# windows), by the first Wine run below.
export WINEPREFIX="$PWD/$windows/wineprefix"
rm -rf "$native/runs"
mkdir -p "$native/runs"

# One row of one version, alone in its program: `run VERSION PROGRAM ROUND ROW# ROW "$@"`. What the
# programs print besides their reports goes to runs/programs.log.
run() {
  version=$1 program=$2 round=$3 number=$4 row=$5
  shift 5
  pattern=$(printf '%s' "$row" | sed 's/[].[^$*+?(){}|\\]/\\&/g')
  "$program" "$@" --benchmark_filter="^$pattern\$" \
    --benchmark_out="$PWD/$native/runs/$version-r$round-$(printf '%03d' "$number").json" --benchmark_out_format=json \
    >/dev/null 2>>"$native/runs/programs.log" || { tail "$native/runs/programs.log"; exit 1; }
}

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
rows=$("$native/bin/uiresource_bench" --benchmark_list_tests "$@")
release_rows=
if [ -n "$release_rev" ]; then
  release_rows=$("$release/build/bin/uiresource_bench" --benchmark_list_tests "$@")
fi
echo "== headless: $(echo "$rows" | wc -l) rows, $rounds rounds, each row beside $release_name's where it has it"
round=1
while [ "$round" -le "$rounds" ]; do
  number=0
  for row in $rows; do
    number=$((number + 1))
    if echo "$release_rows" | grep -qxF "$row"; then
      # Which of the two goes first alternates, so that neither always meets the other's wake.
      if [ $(((round + number) % 2)) -eq 0 ]; then
        run this "$native/bin/uiresource_bench" "$round" "$number" "$row" "$@"
        run release "$release/build/bin/uiresource_bench" "$round" "$number" "$row" "$@"
      else
        run release "$release/build/bin/uiresource_bench" "$round" "$number" "$row" "$@"
        run this "$native/bin/uiresource_bench" "$round" "$number" "$row" "$@"
      fi
    else
      run this "$native/bin/uiresource_bench" "$round" "$number" "$row" "$@"
    fi
  done
  echo "   round $round done"
  round=$((round + 1))
done
echo "== Wine"
# A dialog's first opening under Wine loads fonts and classes: a longer minimum time keeps that
# one slow iteration out of the reported batch.
sh cmake/wine-run.sh "$windows/bin/uiresource_bench.exe" --benchmark_out="$PWD/$windows/results.json" \
  --benchmark_min_time=2 "$@"
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

# shellcheck disable=SC2046 # the run files' names have no spaces
python3 bench/write_results.py --headless $(ls "$native"/runs/this-*.json) \
  --release $(ls "$native"/runs/release-*.json 2>/dev/null || true) \
  --release-name "$release_name" --release-source "${release_source:-}" --wine "$windows/results.json" \
  --load "$load_before / $load_after" --date "$(date -u '+%Y-%m-%d %H:%M UTC')" --out bench/RESULTS.md \
  --readme README.md
cat bench/RESULTS.md
