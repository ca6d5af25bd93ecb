#!/usr/bin/env bash
# Installs the Debian packages Tesselink needs to build, run and test, if any is missing.
set -euo pipefail
# g++-mingw-w64-x86-64, wine and wine64 build and run the Windows half of the differential
# Win32 suite (tests/win32) and Tesselink on Wine: wine64 holds the loader, wine the command and
# its tools; xdotool taps and imagemagick takes screenshots in scripts/run-on-wine.sh.
# emscripten builds the web version (scripts/build-web.sh), which chromium tests (tests/web).
packages=(cmake g++ make pkg-config libfreetype-dev libpng-dev fonts-dejavu-core libsdl2-dev
          libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev xvfb xauth
          g++-mingw-w64-x86-64 wine wine64 xdotool imagemagick emscripten chromium python3)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
