#!/usr/bin/env bash
# Smoke test of the desktop window on a 1024 x 768 virtual X server, with a person's input
# sent through the window's event queue (--test-input). Zoom 4 is asked for and the largest
# zoom that fits is used; a tap on the bar's strip starts its first application; the panel
# sets the battery and mains power, which are kept for the next start; files dropped on
# the window land in \My Documents (a folder is refused); the bar is closed and Tesselink
# started again from the Start menu; F12 saves the screen where the user keeps pictures.
# A restart keeps the panel's settings and --reset-device restores the built-in ones.
# Nothing is printed on standard error meanwhile, sound or none.
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
fail() {
  echo "$1; the event log:"
  cat "$work/events.jsonl"
  exit 1
}
# Sanitized builds: the system libraries' own leaks are not ours.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(dirname "$0")/lsan.supp:print_suppressions=0"
# The user's pictures folder, as xdg-user-dir reads it.
mkdir -p "$work/config" "$work/my pictures"
echo "XDG_PICTURES_DIR=\"$work/my pictures\"" > "$work/config/user-dirs.dirs"
export XDG_CONFIG_HOME="$work/config"
run() {  # INPUT [OPTION...]: tesselink on the device with the input lines in INPUT
  local input=$1
  shift
  xvfb-run -a -s "-screen 0 1024x768x24" "$tesselink" --device "$work/device" --log "$work/events.jsonl" \
    --test-input "$input" "$@" 2> "$work/stderr" || fail "tesselink failed: $(cat "$work/stderr")"
  [ ! -s "$work/stderr" ] || fail "tesselink wrote on standard error: $(cat "$work/stderr")"
}

echo "a note" > "$work/note.txt"
echo "stale line" > "$work/events.jsonl"
# The tap on the strip beeps too: quietly, without a sound device.
cat > "$work/input" <<INPUT
tap 30 286
click battery 25
click mains
drop $work/note.txt
drop $work/note.txt
drop $work/my pictures
tap 228 308
tap 10 10
tap 60 217
key F12
save $work/pictures
INPUT
run "$work/input" --zoom 4

! grep -q "stale line" "$work/events.jsonl" || fail "the log file was not started empty"
zoom=$(sed -n 's/.*"event":"window-zoom","asked":4,"zoom":\([0-9]\).*/\1/p' "$work/events.jsonl")
[ -n "$zoom" ] || fail "no window-zoom event for a display too small for zoom 4"
read -r width height < <(od -An -tu1 -j16 -N8 "$work/pictures/window.png" |
  awk '{ print ($1 * 2^24 + $2 * 2^16 + $3 * 256 + $4), ($5 * 2^24 + $6 * 2^16 + $7 * 256 + $8) }')
[ "$width" -le 1024 ] && [ "$height" -le 768 ] || fail "a ${width}x${height} window on a 1024x768 display"
"$screen_in_window" "$work/pictures/window.png" "$work/pictures/screen.png" "$zoom"
grep -q '"event":"shell-execute".*"ok":true' "$work/events.jsonl" || fail "the tap started nothing"
[ -s "$work/device/Windows/tslink.opt" ] || fail "the shutdown wrote no \\Windows\\tslink.opt"
grep -q '"event":"shell-execute","file":"\\\\Windows\\\\Start Menu\\\\Tesselink.lnk","ok":true' "$work/events.jsonl" ||
  fail "the Start menu did not open Tesselink"
[ "$(grep -c '"event":"process-start","path":"\\\\Windows\\\\Tesselink.exe"' "$work/events.jsonl")" -eq 2 ] ||
  fail "Tesselink was not started again"
shot=$(sed -n 's/.*"event":"screenshot","file":"\([^"]*\)".*/\1/p' "$work/events.jsonl")
[ "$(dirname "$shot")" = "$work/my pictures" ] || fail "the screenshot went to '$shot'"
cmp -s "$shot" "$work/pictures/screen.png" || fail "the screenshot is not the device's screen"
cmp -s "$work/note.txt" "$work/device/My Documents/note.txt" &&
  cmp -s "$work/note.txt" "$work/device/My Documents/note (2).txt" || fail "the dropped files are not on the device"
grep -q '"event":"file-drop-refused","file":"'"$work"'/my pictures"' "$work/events.jsonl" ||
  fail "the dropped folder was not refused"
grep -qx "battery=25" "$work/device/.device/settings.ini" && grep -qx "ac=on" "$work/device/.device/settings.ini" ||
  fail "the panel's settings were not kept: $(cat "$work/device/.device/settings.ini")"

# A restart starts from the kept settings: a change of the memory load keeps the rest.
echo "click memory 60" > "$work/input"
run "$work/input"
grep -qx "battery=25" "$work/device/.device/settings.ini" && grep -qx "memory=60" "$work/device/.device/settings.ini" ||
  fail "the restart lost the panel's settings: $(cat "$work/device/.device/settings.ini")"
: > "$work/input"
run "$work/input" --reset-device
grep -qx "battery=80" "$work/device/.device/settings.ini" || fail "--reset-device kept the panel's settings"
echo "desktop smoke test passed"
