#!/usr/bin/env bash
# Without a display tesselink must not open an invisible window but run headless, and say
# where its screenshot went.
# Usage: no_display.sh TESSELINK
set -euo pipefail
tesselink=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(dirname "$0")/lsan.supp:print_suppressions=0"
cd "$work"
env -u DISPLAY -u WAYLAND_DISPLAY XDG_DATA_HOME="$work/data" "$tesselink" > out.txt 2> err.txt
if ! grep -q "^Screenshot: $work/tesselink-screenshot.png$" out.txt || [ ! -s tesselink-screenshot.png ]; then
  echo "no headless run; its output:"
  cat out.txt err.txt
  exit 1
fi
if [ -e "$work/data" ]; then
  echo "the headless run made a device in the desktop's folder"
  exit 1
fi
echo "without a display tesselink ran headless"
