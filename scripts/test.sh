#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once plainly, once under the
# address and undefined-behaviour sanitizers, the threaded tests under the thread
# sanitizer, and each fuzz target briefly.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh
jobs=$(nproc)

run_suite() {  # name, ctest label filter or "", cmake options...
  local name=$1 label=$2
  shift 2
  echo "== $name"
  cmake -S . -B "build/$name" "$@" >/dev/null
  cmake --build "build/$name" -j"$jobs"
  ctest --test-dir "build/$name" --output-on-failure -j"$jobs" ${label:+-L "$label"}
}

run_suite release "" -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_suite sanitized "" -DCMAKE_BUILD_TYPE=Debug -DTESSELINK_SANITIZE="address;undefined" -DTESSELINK_BENCHMARKS=OFF
run_suite threads threaded -DCMAKE_BUILD_TYPE=Debug -DTESSELINK_SANITIZE=thread -DTESSELINK_BENCHMARKS=OFF
if [ -x tests/fuzz/run.sh ]; then tests/fuzz/run.sh; fi
