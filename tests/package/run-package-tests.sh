#!/bin/sh
# Takes the library as its users do, from outside the tree, through installed files only:
#   - the CMake package and pkg-config, natively;
#   - the CMake package with MinGW, the host run under Wine against the installed DLL;
#   - UIResource.lib with the MSVC ABI and no C runtime (clang, lld-link): x64 run under Wine,
#     x86 compiled and linked (there is no 32-bit Wine here);
#   - the source tree as a library-only subproject, with GoogleTest, Google Benchmark, stb and
#     SDL2 made unavailable;
#   - the desktop component on Linux (CMake and pkg-config): Name Entry in a window of its own,
#     worked with xdotool under Xvfb, over no host window, an SDL2 one and an X11 one; and drawn
#     in a host's viewport with no display at all, its last frame the renderer's picture.
# Reuses the preset builds (native, win64, win32): run it after them. Wine programs start through
# cmake/wine-run.sh, inside Xvfb when there is no display.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
work="$root/build/package"
host="$root/tests/package/host.cpp"
rm -rf "$work"
mkdir -p "$work"
# The Wine prefix the win64 tests use, already set up.
export UIRESOURCE_WINEPREFIX="${UIRESOURCE_WINEPREFIX:-$root/build/win64/wineprefix}"
failed=""

step() {  # step NAME COMMAND...: runs a step, its output in $work/NAME.log, and reports it
  name=$1
  shift
  if "$@" >"$work/$name.log" 2>&1; then
    echo "package test $name: passed"
  else
    echo "package test $name: FAILED"
    sed 's/^/    /' "$work/$name.log"
    failed="$failed $name"
  fi
}

install_preset() {  # install_preset PRESET: its build installed into $work/PRESET
  cmake --install "$root/build/$1" --prefix "$work/$1" >/dev/null
}

expect_files() {  # expect_files PREFIX FILES...
  prefix=$1
  shift
  for file in "$@"; do
    [ -e "$prefix/$file" ] || { echo "not installed: $file"; return 1; }
  done
}

installed_native() {
  install_preset native &&
    expect_files "$work/native" include/UIResource/UIResource.h include/UIResource/UIResourcePlatform.h \
      include/UIResource/UIResourceVersion.h include/UIResource/UIResourceIds.h \
      lib/cmake/UIResource/UIResourceConfig.cmake lib/cmake/UIResource/UIResourceConfigVersion.cmake \
      lib/pkgconfig/uiresource.pc lib/libUIResource.so bin/uiresource bin/uiresource-demo \
      share/doc/UIResource/LICENSE include/UIResource/UIResourceDesktop.h lib/libUIResourceDesktop.so \
      lib/pkgconfig/uiresource-desktop.pc lib/cmake/UIResource/UIResourceDesktopTargets.cmake &&
    readelf -d "$work/native/lib/libUIResource.so" | grep -q 'SONAME.*\[libUIResource\.so\.1\]' &&
    # Neither library needs SDL2 to load: the desktop one loads it when windows are wanted.
    ! readelf -d "$work/native/lib/libUIResource.so" "$work/native/lib/libUIResourceDesktop.so" | grep -q 'NEEDED.*SDL' &&
    "$work/native/bin/uiresource" --version
}

cmake_native() {
  cmake -S "$root/tests/package/consumer" -B "$work/cmake-native" -DCMAKE_PREFIX_PATH="$work/native" &&
    cmake --build "$work/cmake-native" && "$work/cmake-native/uiresource_host"
}

pkgconfig_native() {
  export PKG_CONFIG_PATH="$work/native/lib/pkgconfig"
  [ "$(pkg-config --modversion uiresource)" = "$(sed -n 's/^project(UIResource VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")" ] &&
    # shellcheck disable=SC2046
    g++ -std=c++17 -Wall -Werror "$host" $(pkg-config --cflags --libs uiresource) \
      -Wl,-rpath,"$(pkg-config --variable=libdir uiresource)" -o "$work/pkgconfig-host" &&
    "$work/pkgconfig-host"
}

subproject_library_only() {
  cmake -S "$root/tests/package/subproject" -B "$work/subproject" -DUIRESOURCE_SOURCE_DIR="$root" \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
    -DCMAKE_DISABLE_FIND_PACKAGE_SDL2=ON -DUIRESOURCE_STB_DIR=/nonexistent &&
    cmake --build "$work/subproject" -j2 && "$work/subproject/uiresource_host"
}

desktop_hosts="$root/tests/package/desktop"

desktop_cmake() {
  cmake -S "$desktop_hosts" -B "$work/desktop" -DCMAKE_PREFIX_PATH="$work/native" && cmake --build "$work/desktop"
}

# Built with pkg-config alone, and run where there is no display: it says so.
desktop_pkgconfig() {
  export PKG_CONFIG_PATH="$work/native/lib/pkgconfig"
  # shellcheck disable=SC2046
  g++ -std=c++17 -Wall -Werror "$desktop_hosts/name_entry_host.cpp" $(pkg-config --cflags --libs uiresource-desktop) \
    -Wl,-rpath,"$(pkg-config --variable=libdir uiresource)" -o "$work/desktop-pkgconfig-host" || return 1
  env DISPLAY= WAYLAND_DISPLAY= "$work/desktop-pkgconfig-host" >"$work/desktop-pkgconfig-host.txt"
  [ $? -eq 1 ] && grep -q '^no window: no display' "$work/desktop-pkgconfig-host.txt"
}

desktop_own_windows() { sh "$desktop_hosts/own-windows.sh" "$work/desktop" "$work/desktop-own-windows"; }

desktop_embedded() {
  env DISPLAY= WAYLAND_DISPLAY= "$work/desktop/embedded_host" "$work/embedded-frame.ppm" &&
    "$work/native/bin/uiresource" render 101 --scale 2 -o "$work/embedded-picture.png" &&
    /usr/bin/python3 "$desktop_hosts/compare-frame.py" "$work/embedded-frame.ppm" "$work/embedded-picture.png"
}

installed_win64() {
  install_preset win64 &&
    expect_files "$work/win64" bin/UIResource.dll lib/libUIResource.dll.a lib/UIResource.lib \
      include/UIResource/UIResource.h lib/cmake/UIResource/UIResourceConfig.cmake bin/uiresource.exe
}

cmake_mingw() {
  cmake -S "$root/tests/package/consumer" -B "$work/cmake-mingw" -DCMAKE_PREFIX_PATH="$work/win64" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw64.cmake" &&
    cmake --build "$work/cmake-mingw" && sh "$root/cmake/wine-run.sh" "$work/cmake-mingw/uiresource_host.exe"
}

# msvc_host ARCH PREFIX OUT: the host compiled as MSVC compiles it and linked against UIResource.lib.
msvc_host() {
  mkdir -p "$3" &&
    clang++ --target="$1-pc-windows-msvc" -std=c++17 -O2 -Wall -Werror -DUIRESOURCE_HOST_WITHOUT_C_RUNTIME \
      -I "$root/cmake/msvc-abi" -I "$2/include" -c "$host" -o "$3/host.obj" &&
    lld-link /nologo /entry:hostEntry /subsystem:console /nodefaultlib /safeseh:no /out:"$3/uiresource_host.exe" \
      "$3/host.obj" "$2/lib/UIResource.lib" "/usr/$1-w64-mingw32/lib/libkernel32.a" \
      "/usr/$1-w64-mingw32/lib/libuser32.a" &&
    cp "$2/bin/UIResource.dll" "$3/"
}

msvc_x64() {
  msvc_host x86_64 "$work/win64" "$work/msvc-x64" &&
    ! llvm-nm "$work/msvc-x64/host.obj" | grep -q ' U _Z' &&
    sh "$root/cmake/wine-run.sh" "$work/msvc-x64/uiresource_host.exe"
}

msvc_x86() {
  install_preset win32 && expect_files "$work/win32" bin/UIResource.dll lib/UIResource.lib &&
    msvc_host i686 "$work/win32" "$work/msvc-x86"
}

step installed-native installed_native
step cmake-native cmake_native
step pkgconfig-native pkgconfig_native
step subproject-library-only subproject_library_only
step desktop-cmake desktop_cmake
step desktop-pkgconfig desktop_pkgconfig
step desktop-own-windows desktop_own_windows
step desktop-embedded desktop_embedded
step installed-win64 installed_win64
step cmake-mingw-wine cmake_mingw
step msvc-x64-wine msvc_x64
step msvc-x86-link msvc_x86

[ -z "$failed" ] || { echo "package tests FAILED:$failed"; exit 1; }
echo "package tests: all passed"
