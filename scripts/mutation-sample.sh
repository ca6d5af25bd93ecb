#!/usr/bin/env bash
# Applies each deliberate fault of tests/mutations/*.txt in turn to a scratch copy of the
# sources, rebuilds incrementally, runs the suites the fault names and reports whether they
# caught it. Not part of CI: run it by hand before and after changing the tests.
#
#   scripts/mutation-sample.sh [NAME-REGEX]     only the faults whose name matches
#
# A fault is a block of "key: value" lines, blocks separated by blank lines, '#' comments:
#   name:   a short unique name
#   file:   the source file, relative to the repository
#   from:   the exact text to replace (it must occur exactly once in the file)
#   to:     what replaces it
#   suites: the test executables (CMake targets) to build and run, space-separated; an entry
#           "ctest:REGEX" runs the CTest tests whose names match REGEX instead
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
filter=${1:-.}
scratch=$root/build/mutation
source_copy=$scratch/src
build=$scratch/build
jobs=$(nproc)

names=() files=() froms=() tos=() suites=()
read_faults() {
  local list line name='' file='' from='' to='' suite=''
  add() {
    if [ -n "$name" ] && [[ $name =~ $filter ]]; then
      names+=("$name") files+=("$file") froms+=("$from") tos+=("$to") suites+=("$suite")
    fi
    name='' file='' from='' to='' suite=''
  }
  for list in tests/mutations/*.txt; do
    while IFS= read -r line || [ -n "$line" ]; do
      case $line in
        '#'*) ;;
        '') add ;;
        name:*) name=${line#name:} name=${name# } ;;
        file:*) file=${line#file:} file=${file# } ;;
        from:*) from=${line#from:} from=${from# } ;;
        to:*) to=${line#to:} to=${to# } ;;
        suites:*) suite=${line#suites:} suite=${suite# } ;;
      esac
    done <"$list"
    add
  done
}

# The scratch copy keeps its timestamps between runs, so only what a fault touches rebuilds.
sync_sources() {
  local listed f
  listed=$(mktemp)
  git ls-files --cached --others --exclude-standard | sort >"$listed"
  mkdir -p "$source_copy"
  (cd "$source_copy" && find . -type f | sed 's|^\./||' | sort | comm -23 - "$listed" | xargs -r -d '\n' rm -f)
  while IFS= read -r f; do
    [ -f "$f" ] || continue  # deleted from the working tree
    cmp -s "$f" "$source_copy/$f" || { mkdir -p "$source_copy/$(dirname "$f")"; cp "$f" "$source_copy/$f"; }
  done <"$listed"
  rm -f "$listed"
}

# Replaces the one occurrence of $2 in file $1 with $3; fails when it is not exactly one.
replace_once() {
  FROM=$2 TO=$3 perl -0777 -i -pe '
    BEGIN { $from = $ENV{FROM}; $to = $ENV{TO} }
    $count = () = /\Q$from\E/g;
    die "found $count times\n" if $count != 1;
    s/\Q$from\E/$to/;' "$1"
}

build_suites() {  # suite...
  local targets=() suite
  for suite in "$@"; do [[ $suite == ctest:* ]] || targets+=("$suite"); done
  [[ " $* " == *" ctest:"* ]] && targets=(all)
  cmake --build "$build" -j"$jobs" --target "${targets[@]}"
}

# Succeeds when every suite passes; a suite that hangs fails at its time limit.
run_suites() {  # suite...
  local suite executable
  for suite in "$@"; do
    if [[ $suite == ctest:* ]]; then
      ctest --test-dir "$build" -R "${suite#ctest:}" --timeout 120 || return 1
    else
      executable=$(find "$build" -type f -name "$suite" -perm -u+x | head -n 1)
      [ -n "$executable" ] || { echo "no executable $suite"; return 2; }
      # GoogleTest suites (*_tests) print only their failures; a hosted Win32 program takes
      # no options but gremlin ones.
      brief=()
      [[ $suite == *_tests ]] && brief=(--gtest_brief=1)
      (cd "$(dirname "$executable")" && timeout 300 "$executable" "${brief[@]}") || return 1
    fi
  done
}

read_faults
[ ${#names[@]} -gt 0 ] || { echo "no faults match '$filter'"; exit 2; }
sync_sources
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S "$source_copy" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTESSELINK_BENCHMARKS=OFF "${launcher[@]}" >/dev/null

# Without faults every suite must pass, or a failure would count as a catch.
all_suites=$(printf '%s\n' "${suites[@]}" | tr ' ' '\n' | sort -u | tr '\n' ' ')
# shellcheck disable=SC2086
if ! build_suites $all_suites >"$scratch/last.err" 2>&1 || ! run_suites $all_suites >"$scratch/last.log" 2>&1; then
  echo "the suites fail without any fault: see $scratch/last.err and $scratch/last.log"
  exit 2
fi

caught=0 missed=0 broken=0
report=()
for i in "${!names[@]}"; do
  target=$source_copy/${files[$i]}
  if [ ! -f "$target" ]; then
    echo "error: no file ${files[$i]}" >"$scratch/last.err"
    outcome=BROKEN
  else
    saved=$(mktemp)
    cp "$target" "$saved"
    # shellcheck disable=SC2086
    if ! replace_once "$target" "${froms[$i]}" "${tos[$i]}" >"$scratch/last.err" 2>&1; then
      outcome=BROKEN
    elif ! build_suites ${suites[$i]} >"$scratch/last.err" 2>&1; then
      outcome=BROKEN
    elif run_suites ${suites[$i]} >"$scratch/last.log" 2>&1; then
      outcome=MISSED
    else
      outcome=CAUGHT
    fi
    cp "$saved" "$target"  # a newer timestamp than the fault's: the next build undoes it
    rm -f "$saved"
  fi
  case $outcome in
    CAUGHT) caught=$((caught + 1)) ;;
    MISSED) missed=$((missed + 1)); report+=("missed: ${names[$i]}") ;;
    BROKEN) broken=$((broken + 1)); report+=("broken: ${names[$i]}: $(grep -m1 -E 'error|found' "$scratch/last.err")") ;;
  esac
  printf '%-7s %s\n' "$outcome" "${names[$i]}"
done

echo "caught $caught, missed $missed, broken $broken (of ${#names[@]})"
printf '%s\n' "${report[@]}"
[ "$missed" -eq 0 ] && [ "$broken" -eq 0 ]
