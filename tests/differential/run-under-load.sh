#!/bin/sh
# Plays the same seeds on both dialog managers again and again while every core is kept busy, and
# counts the runs that differ: a difference that shows only under load is a fault of one of the
# two, never something to retry (README.md).
# usage: run-under-load.sh NATIVE_BUILD_DIR WIN64_BUILD_DIR FIRST_SEED COUNT RUNS [BUSY]
#   BUSY: how many busy loops run meanwhile (default: twice the number of cores)
set -eu
native="$1" windows="$2" first="$3" count="$4" runs="$5"
busy="${6:-$(($(nproc) * 2))}"
here=$(cd "$(dirname "$0")" && pwd)
busy_pids=""
for _ in $(seq 1 "$busy"); do
  sh -c 'while :; do :; done' &
  busy_pids="$busy_pids $!"
done
trap 'kill $busy_pids 2>/dev/null' EXIT INT TERM
differing=0
for run in $(seq 1 "$runs"); do
  # Wine's and Xvfb's own chatter on standard error is left out; the comparison prints on standard output.
  if outcome=$(sh "$here/run-differential.sh" "$native" "$windows" "$first" "$count" 2>/dev/null); then
    echo "run $run: $(echo "$outcome" | grep 'sequences compared')"
  else
    differing=$((differing + 1))
    echo "run $run: DIFFERS"
    echo "$outcome" | sed 's/^/    /'
  fi
done
echo "seeds $first to $((first + count - 1)), $runs runs with $busy busy loops ($(nproc) cores): $differing differ"
[ "$differing" -eq 0 ]
