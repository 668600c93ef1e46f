#!/bin/sh
# A short run of every fuzz target (a few seconds each) for the test command, in a throw-away
# corpus so the runs do not depend on each other; logs and any failing input are kept in
# build/fuzz/smoke-findings.
set -eu
here=$(dirname "$0")
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
sh "$here/run-fuzzers.sh" --seconds "${UIRESOURCE_FUZZ_SECONDS:-3}" --corpus "$corpus" \
  --findings "${UIRESOURCE_FUZZ_BUILD:-build/fuzz}/smoke-findings"
