#!/usr/bin/env bash
# Runs the Windows builds of the differential Win32 programs under Wine, on a virtual X
# server of 24-bit colour, in one Wine prefix shared by the whole test run.
#
#   wine.sh init PREFIX        creates or updates the prefix (once per run: a CTest fixture)
#   wine.sh run PREFIX EXE     runs EXE in the prefix, passing its output and exit code on
#
# Exits with 77 (the tests' skip code) and says why when Wine cannot be used here.
set -uo pipefail
mode=$1 prefix=$2
skip=77

export WINEPREFIX=$prefix WINEDEBUG=-all WINEARCH=win64
# No prompts to install Wine's .NET and HTML engines: the programs need neither.
export WINEDLLOVERRIDES="mscoree=;mshtml="
ready=$prefix/.tesselink-ready
# Servers from 100 + a number of our own up, clear of other tests' servers that start at 99.
screen=(-a -n $((100 + $$ % 800)) -s "-screen 0 1024x768x24")

for tool in wine xvfb-run; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: '$tool' is not installed (scripts/install-dependencies.sh installs it)"
    exit $skip
  fi
done

case $mode in
  init)
    rm -f "$ready"
    mkdir -p "$prefix"
    if ! log=$(xvfb-run "${screen[@]}" wine wineboot --init 2>&1) || ! wineserver -w; then
      echo "skipped: Wine cannot start here:"
      echo "$log" | tail -n 20
      exit $skip
    fi
    touch "$ready"
    echo "Wine prefix ready: $prefix"
    ;;
  run)
    exe=$3
    if [ ! -f "$ready" ]; then
      echo "skipped: the Wine prefix $prefix could not be made (see the Win32.WinePrefix test)"
      exit $skip
    fi
    # Wine's own messages go to standard error; the program's lines to standard output.
    xvfb-run "${screen[@]}" wine "$exe"
    ;;
  *)
    echo "usage: $0 init PREFIX | run PREFIX EXE" >&2
    exit 2
    ;;
esac
