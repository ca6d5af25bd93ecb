#!/usr/bin/env bash
# Installs what is missing, builds Tesselink and runs it on the built-in default device.
# With no display it runs headless and says where its screenshot went.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target tesselink -j"$(nproc)"
exec build/release/tesselink "$@"
