#!/usr/bin/env bash
# Runs the peer benchmark (tests/peer) on the emulated device and under Wine, several rounds
# of each taken in turn, and prints a table: each operation's median time a call on each side,
# and Wine's time over ours (above 1: the emulator is faster).
#
#   scripts/peer-benchmark.sh [ROUNDS]    five rounds unless told; builds in build/release,
#                                         or in $BUILD_DIR when set
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-5}
build=${BUILD_DIR:-build/release}

scripts/install-dependencies.sh
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target peer_benchmark peer_benchmark_exe >&2
# Wine wants its prefix as an absolute path.
build=$(cd "$build" && pwd)
ours=$build/tests/peer/peer_benchmark
windows=$build/tests/peer/peer_benchmark_windows.exe
prefix=$build/tests/peer/wine-prefix
if [ ! -f "$prefix/.tesselink-ready" ]; then
  bash tests/win32/wine.sh init "$prefix" || { echo "Wine cannot run here: no comparison" >&2; exit 1; }
fi

results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT
for ((round = 1; round <= rounds; round++)); do
  echo "round $round of $rounds" >&2
  "$ours" >"$results/ours.$round"
  # Wine's own messages go to standard error.
  bash tests/win32/wine.sh run "$prefix" "$windows" >"$results/wine.$round" 2>/dev/null
done

echo "| Operation | Ours (ns) | Wine (ns) | Wine / ours |"
echo "|---|---:|---:|---:|"
awk -F '\t' '
  function median(list,    values, n, i, j, swap) {
    n = split(list, values, " ")
    for (i = 2; i <= n; i++)
      for (j = i; j > 1 && values[j - 1] + 0 > values[j] + 0; j--) {
        swap = values[j]; values[j] = values[j - 1]; values[j - 1] = swap
      }
    return n % 2 ? values[(n + 1) / 2] : (values[n / 2] + values[n / 2 + 1]) / 2
  }
  FILENAME ~ /\/ours\.[0-9]+$/ { if (!($1 in ours)) order[++count] = $1; ours[$1] = ours[$1] " " $2; next }
  { wine[$1] = wine[$1] " " $2 }
  END {
    for (i = 1; i <= count; i++) {
      name = order[i]; a = median(ours[name])
      if (name in wine) { b = median(wine[name]); printf "| %s | %.0f | %.0f | %.1f |\n", name, a, b, b / a }
      else printf "| %s | %.0f | (missing) | |\n", name, a
    }
  }' "$results"/ours.* "$results"/wine.*
