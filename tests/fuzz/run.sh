#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each briefly from its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${FUZZ_SECONDS:-20}
cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DTESSELINK_FUZZ=ON -DTESSELINK_WERROR=ON -DTESSELINK_BENCHMARKS=OFF -DTESSELINK_DESKTOP=OFF >/dev/null
targets=()
for corpus in tests/fuzz/corpus/*/; do targets+=("fuzz_$(basename "$corpus")"); done
cmake --build build/fuzz -j"$(nproc)" --target "${targets[@]}"
for target in "${targets[@]}"; do
  name=${target#fuzz_}
  work=$(mktemp -d)
  cp -r "tests/fuzz/corpus/$name/." "$work/"
  echo "== $target (${seconds}s)"
  "build/fuzz/tests/fuzz/$target" -max_total_time="$seconds" -print_final_stats=0 "$work" 2>&1 | tail -n 2
  rm -rf "$work"
done
