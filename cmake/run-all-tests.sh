#!/bin/sh
# Builds every configuration (native, sanitized, Windows x86_64 and i686) and runs every test:
# natively, under AddressSanitizer/UndefinedBehaviorSanitizer, a short run of every fuzz target,
# the Windows programs under Wine, a short differential run of random scenarios on both dialog
# managers, and the installed package as hosts take it (CMake, pkg-config, add_subdirectory,
# MinGW and MSVC-ABI hosts).
set -eu
cd "$(dirname "$0")/.."
sh cmake/setup-debian.sh
jobs=$(nproc)

for preset in native native-asan win64 win32; do
  echo "== build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
done

status=0
echo "== test native"
ctest --preset native || status=1
echo "== test native-asan"
ctest --preset native-asan || status=1

echo "== a new dialog in five files, as CONTRIBUTING.md says, in a scratch copy of the tree"
python3 tests/contributing/new_dialog_test.py "$PWD" || status=1

echo "== fuzz smoke run (libFuzzer, a few seconds a target)"
sh fuzz/run-smoke.sh || status=1

echo "== test win64 (Wine under Xvfb)"
export UIRESOURCE_WINEPREFIX="$PWD/build/win64/wineprefix"
# A desktop of a common size: xvfb-run's own 640 x 480 would move larger dialogs to fit.
xvfb-run -a -s '-screen 0 1280x1024x24' sh -c '
  export WINEPREFIX="$UIRESOURCE_WINEPREFIX" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  sh cmake/wine-prefix.sh || exit 1
  wineserver -p
  # The background services of Wine start here, their output going nowhere: started by the first
  # test program instead, they would inherit the output pipe of ctest and keep it open, and ctest
  # would wait on them for ever.
  /usr/lib/wine/wine64 cmd /c exit >/dev/null 2>&1
  # Every pixel the scenarios check under Wine follows from this face.
  font=$(/usr/lib/wine/wine64 build/win64/bin/dialog_font_probe.exe); result=$?
  echo "$font" | tr -d "\r"
  ctest --preset win64 || result=1
  echo "== differential run: random scenarios on the headless manager and on USER32, compared"
  sh tests/differential/run-differential.sh build/native build/win64 1 200 || result=1
  echo "== package tests: the installed library taken as hosts take it"
  sh tests/package/run-package-tests.sh || result=1
  wineserver -k
  exit $result' || status=1

[ "$status" -eq 0 ] && echo "All configurations built and all tests passed." || echo "Some tests FAILED."
exit "$status"
