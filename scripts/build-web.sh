#!/usr/bin/env bash
# Builds the web version: the emulated device and Tesselink compiled to WebAssembly with
# Emscripten, beside the page, in build/web/site (serve it with scripts/serve-web.sh).
# Extra arguments go to the CMake configuration.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh
# Debian's Emscripten runs its optimizer under the system's node, which finds the
# JavaScript parser it needs (acorn) only here.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build/web -DCMAKE_BUILD_TYPE=Release -DTESSELINK_BENCHMARKS=OFF -DTESSELINK_DESKTOP=OFF "$@" \
  >/dev/null
cmake --build build/web -j"$(nproc)"
echo "The page is in build/web/site: scripts/serve-web.sh serves it on http://localhost:8080/"
