#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once plainly, once under the
# address and undefined-behaviour sanitizers, the threaded tests under the thread
# sanitizer, and each fuzz target briefly.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh
jobs=$(nproc)

# The suites whose tests run device threads; the thread sanitizer runs only these.
threaded_targets=(window_tests shell_tests host_tests program_tests controls_tests popups_tests
                  config_tests hardware_key_tests hosted_exit_code)

run_suite() {  # name, ctest label filter or "", build targets or "", cmake options...
  local name=$1 label=$2 targets=$3
  shift 3
  echo "== $name"
  cmake -S . -B "build/$name" "$@" >/dev/null
  cmake --build "build/$name" -j"$jobs" ${targets:+--target $targets}
  ctest --test-dir "build/$name" --output-on-failure -j"$jobs" ${label:+-L "$label"}
}

run_suite release "" "" -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_suite sanitized "" "" -DCMAKE_BUILD_TYPE=Debug -DTESSELINK_SANITIZE="address;undefined" \
          -DTESSELINK_BENCHMARKS=OFF -DTESSELINK_DESKTOP=OFF
run_suite threads threaded "${threaded_targets[*]}" -DCMAKE_BUILD_TYPE=Debug -DTESSELINK_SANITIZE=thread \
          -DTESSELINK_BENCHMARKS=OFF -DTESSELINK_DESKTOP=OFF
if [ -x tests/fuzz/run.sh ]; then tests/fuzz/run.sh; fi
