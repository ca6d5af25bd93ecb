#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in a Release build (with the
# web version, tested in headless Chromium), once under the address and undefined-behaviour
# sanitizers followed by a short horde of gremlins, the threaded tests under the thread
# sanitizer, and each fuzz target briefly. Warnings are errors in all of them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh
jobs=$(nproc)

# The suites whose tests run device threads; the thread sanitizer runs only these.
threaded_targets=(window_tests shell_tests host_tests program_tests controls_tests popups_tests
                  config_tests web_tests hosted_exit_code win32_programs gremlin_programs)

run_suite() {  # name, ctest label filter or "", build targets or "", cmake options...
  local name=$1 label=$2 targets=$3 start=$SECONDS
  shift 3
  echo "== $name"
  cmake -S . -B "build/$name" -DTESSELINK_WERROR=ON "$@" >/dev/null
  cmake --build "build/$name" -j"$jobs" ${targets:+--target $targets}
  ctest --test-dir "build/$name" --output-on-failure -j"$jobs" ${label:+-L "$label"}
  echo "== $name took $((SECONDS - start)) s"
}

# The web version first: the release suite's web test (label web) holds its page, run in
# headless Chromium, to the release build's screenshots.
start=$SECONDS
echo "== web"
scripts/build-web.sh -DTESSELINK_WERROR=ON
echo "== web build took $((SECONDS - start)) s"
run_suite release "" "" -DCMAKE_BUILD_TYPE=Release
run_suite sanitized "" "" -DCMAKE_BUILD_TYPE=Debug -DTESSELINK_SANITIZE="address;undefined" \
          -DTESSELINK_BENCHMARKS=OFF -DTESSELINK_DESKTOP=OFF
# A short horde of gremlins on the sanitized program; a broken invariant fails the script.
# The device folders go to memory when the machine has a memory file system.
start=$SECONDS
echo "== gremlins"
gremlin_tmp=/dev/shm
[[ -d $gremlin_tmp && -w $gremlin_tmp ]] || gremlin_tmp=${TMPDIR:-/tmp}
(cd build/sanitized && TMPDIR=$gremlin_tmp ./tesselink --gremlins 5 --seed 1 --events 2000)
echo "== gremlins took $((SECONDS - start)) s"
run_suite threads threaded "${threaded_targets[*]}" -DCMAKE_BUILD_TYPE=Debug -DTESSELINK_SANITIZE=thread \
          -DTESSELINK_BENCHMARKS=OFF -DTESSELINK_DESKTOP=OFF
start=$SECONDS
tests/fuzz/run.sh
echo "== fuzz took $((SECONDS - start)) s"
