#!/bin/sh
# A short run of every fuzz target (a few seconds each) for the test command, in a throw-away
# corpus so the runs do not depend on each other.
set -eu
here=$(dirname "$0")
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
sh "$here/run-fuzzers.sh" --seconds "${UIRESOURCE_FUZZ_SECONDS:-4}" --corpus "$corpus"
