#!/bin/sh
# Installs what the build and the tests need on Debian, when it is missing and we are root.
set -eu
packages="cmake make g++ python3 python3-pil
  mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  wine64 wine fonts-wine xvfb xauth
  googletest libgtest-dev libbenchmark-dev libpng-dev libstb-dev
  clang libclang-rt-dev llvm lld pkg-config locales-all
  libsdl2-dev libx11-dev xdotool xclip"

missing=""
for package in $packages; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing="$missing $package"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing Debian packages:$missing (run as root to install them)" >&2
  exit 1
fi
echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
# shellcheck disable=SC2086
apt-get install -y -qq --no-install-recommends $missing >/dev/null
