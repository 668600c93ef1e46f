#!/bin/sh
# Builds the native preset and runs the sample host uiresource-demo on its main tour (or on the
# script given), printing the transcript and where the pictures of the dialogs are.
# usage: cmake/run-demo.sh [SCRIPT]
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
script=${1:-$root/tools/demo/scripts/tour.txt}
case "$script" in /*) ;; *) script="$PWD/$script" ;; esac
cd "$root"
sh cmake/setup-debian.sh
cmake --preset native >/dev/null
cmake --build --preset native -j2
pictures="$root/build/native/demo-pictures"
rm -rf "$pictures"
status=0
build/native/bin/uiresource-demo --script "$script" --out "$pictures" || status=$?
echo
echo "The dialogs as the user left them ($(ls "$pictures" 2>/dev/null | wc -l) pictures):"
for picture in "$pictures"/*.png; do [ -e "$picture" ] && echo "  $picture"; done
echo "Render any template with: build/native/bin/uiresource render 109 -o edit-mesh.png"
exit $status
