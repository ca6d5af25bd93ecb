#!/usr/bin/env bash
# Smoke test of the desktop window under a virtual X server: tesselink starts on a fresh
# device, a tap on the first application of the bar's strip goes through the window's
# event queue, the window and the device's screen are saved, and the window is closed.
# Then the window must show the device's screen, the tap must have started the
# application, and the orderly shutdown must have written the program's options file.
# Exit status 77 (skipped) without xvfb-run.
# Usage: desktop_smoke.sh TESSELINK SCREEN_IN_WINDOW
set -euo pipefail
tesselink=$1
screen_in_window=$2
if ! command -v xvfb-run >/dev/null; then
  echo "xvfb-run is not installed (Debian package xvfb): skipped"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Sanitized builds: the system libraries' own leaks are not ours.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(dirname "$0")/lsan.supp:print_suppressions=0"
# No sound card under the virtual server: SDL's silent driver keeps ALSA's complaints out.
SDL_AUDIODRIVER=dummy xvfb-run -a "$tesselink" --device "$work/device" --log "$work/events.jsonl" --zoom 2 \
  --test-tap 30,286,"$work/pictures"

"$screen_in_window" "$work/pictures/window.png" "$work/pictures/screen.png" 2
if ! grep -q '"event":"shell-execute".*"ok":true' "$work/events.jsonl"; then
  echo "the tap started nothing; the event log:"
  cat "$work/events.jsonl"
  exit 1
fi
if [ ! -s "$work/device/Windows/tslink.opt" ]; then
  echo "the shutdown wrote no \\Windows\\tslink.opt"
  exit 1
fi
echo "desktop smoke test passed"
