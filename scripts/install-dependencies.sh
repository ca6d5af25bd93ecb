#!/usr/bin/env bash
# Installs the Debian packages Tesselink needs to build, run and test, if any is missing.
set -euo pipefail
packages=(cmake g++ make pkg-config libfreetype-dev libpng-dev fonts-dejavu-core libsdl2-dev
          libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev xvfb xauth)
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
