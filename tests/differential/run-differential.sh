#!/bin/sh
# Plays the same random scenarios on the headless dialog manager and on USER32 under Wine and
# compares what happened, entry by entry (README.md).
# usage: run-differential.sh NATIVE_BUILD_DIR WIN64_BUILD_DIR FIRST_SEED COUNT [STEPS]
set -eu
native="$1/bin/differential_run"
windows="$2/bin/differential_run.exe"
first="$3" count="$4" steps="${5:-12}"
here=$(cd "$(dirname "$0")" && pwd)
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
"$native" "$first" "$count" "$steps" >"$logs/headless.log"
sh "$here/../../cmake/wine-run.sh" "$windows" "$first" "$count" "$steps" >"$logs/wine.log"
python3 "$here/compare_runs.py" "$logs/headless.log" "$logs/wine.log"
