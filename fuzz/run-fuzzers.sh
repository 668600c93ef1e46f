#!/bin/sh
# Builds the libFuzzer targets with clang and runs each for a time or a number of executions,
# starting from the seed corpora and keeping what it finds in the corpus folder (default
# build/fuzz/corpus). Prints the executions each target ran; fails on the first crash, hang or
# sanitizer report, and leaves the input that caused it as build/fuzz/findings/<target>/crash-*
# (or timeout-*, oom-*).
#   sh fuzz/run-fuzzers.sh --runs 2000000      # two million executions a target
#   sh fuzz/run-fuzzers.sh --seconds 1800      # half an hour a target
# --findings DIR puts the logs and failing inputs elsewhere (default build/fuzz/findings);
# --only NAME runs one target (res_file, dialog_template, ...).
set -eu
usage="usage: run-fuzzers.sh --seconds N | --runs N [--corpus DIR] [--findings DIR] [--only NAME]"
limit="" corpus="" findings="" only=""
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) limit="-max_total_time=$2"; shift 2 ;;
    --runs) limit="-runs=$2"; shift 2 ;;
    --corpus) corpus=$2; shift 2 ;;
    --findings) findings=$2; shift 2 ;;
    --only) only=$2; shift 2 ;;
    *) echo "$usage" >&2; exit 2 ;;
  esac
done
[ -n "$limit" ] || { echo "$usage" >&2; exit 2; }
cd "$(dirname "$0")/.."
build=${UIRESOURCE_FUZZ_BUILD:-build/fuzz}
corpus=${corpus:-$build/corpus}
findings=${findings:-$build/findings}

cmake -S fuzz -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j2 --target uiresource_fuzzers uiresource_fuzz_seeds >/dev/null

for target in $(ls "$build/bin" | grep '^fuzz_'); do
  name=${target#fuzz_}
  [ -z "$only" ] || [ "$only" = "$name" ] || continue
  mkdir -p "$corpus/$name" "$findings/$name"
  seeds="$build/seeds/$name"
  [ -d "$seeds" ] || seeds=""
  log="$findings/$name/last-run.log"
  if ! "$build/bin/$target" "$limit" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$findings/$name/" "$corpus/$name" $seeds >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target: FAILED, see $log"
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  echo "$target: $runs executions ($rate a second), no failure"
done
