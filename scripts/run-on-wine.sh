#!/usr/bin/env bash
# Runs the Windows build of Tesselink (build/<dir>/cecompat/Tesselink.exe) on Wine, on a device
# made from the built-in device image, in a 240x320 Wine virtual desktop under xvfb-run.
#
#   run-on-wine.sh [--device DIR] [--script FILE] EXE
#
# DIR (default: a new temporary folder) gets a fresh Wine prefix whose drive D: is the device
# image: the image's files, with EXE installed as \Windows\Tesselink.exe, and its registry
# imported with regedit. The program starts in D:\Windows, so that \Windows\... and \.device\...
# name the image's files as on the emulated device.
#
# FILE holds actions in the emulator's script language; those Wine can do are understood:
#   tap X Y           a tap of the stylus (the mouse's left button) on the screen; then waits
#                     for the screen to change and to settle (each tap must change it)
#   screenshot FILE   the 240x320 screen as a PNG file
#   exit              waits for the program to end (after a tap on its close button)
# Without a script the program runs until it ends. Exits with 77 (the tests' skip code) and says
# why when Wine cannot start here.
set -uo pipefail
skip=77
here=$(cd "$(dirname "$0")/.." && pwd)
image=$here/emulator/image/default

device="" script=""
while [ $# -gt 1 ]; do
  case $1 in
    --device) device=$2; shift 2 ;;
    --script) script=$2; shift 2 ;;
    --in-display) in_display=1; shift ;;
    *) break ;;
  esac
done
[ $# -eq 1 ] || { echo "usage: $0 [--device DIR] [--script FILE] EXE" >&2; exit 2; }
exe=$(realpath "$1")
[ -f "$exe" ] || { echo "run-on-wine.sh: no program $1" >&2; exit 2; }

for tool in wine xvfb-run xdotool import; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: '$tool' is not installed (scripts/install-dependencies.sh installs it)"
    exit $skip
  fi
done

export WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree=;mshtml="

# Inside the virtual X server: the device is made, the program runs, the script drives it.
if [ "${in_display:-0}" = 1 ]; then
  export WINEPREFIX=$device/prefix
  if ! log=$(wine wineboot --init 2>&1) || ! wineserver -w; then
    echo "skipped: Wine cannot start here:"
    echo "$log" | tail -n 20
    exit $skip
  fi
  cp -r "$image/." "$device/drive"
  cp "$exe" "$device/drive/Windows/Tesselink.exe"
  ln -sfn ../../drive "$WINEPREFIX/dosdevices/d:"
  wine regedit /S 'D:\.device\registry.reg' && wineserver -w
  # The system draws a bordered window's one-pixel frame in COLOR_WINDOWFRAME, which is
  # black on the device, as on the emulated one, and grey in Wine's own scheme.
  printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Control Panel\\Colors]\r\n"WindowFrame"="0 0 0"\r\n' \
    > "$device/colours.reg"
  wine regedit /S "$device/colours.reg" && wineserver -w
  # No desktop shell (taskbar) in a desktop not named "shell": the screen is the program's.
  (cd "$device/drive/Windows" && exec wine explorer /desktop=device,240x320 Tesselink.exe) &
  program=$!

  look=$device/look.png
  look() { import -window root "$look" 2>/dev/null && md5sum < "$look"; }
  # Waits, a tenth of a second at a time for at most 60 seconds, until the screen is not the
  # one given (or, given none, shows more than one colour: Wine's empty desktop is one) and has
  # stayed the same over ten looks, or until the program ends; the last look is left in $look.
  settle() {
    local before=$1 now last="" same=0
    for _ in $(seq 600); do
      kill -0 $program 2>/dev/null || return 0  # the program has ended
      now=$(look) || now=""
      if [ -n "$now" ] && { [ -n "$before" ] && [ "$now" != "$before" ] ||
                             [ -z "$before" ] && [ "$(identify -format %k "$look")" -gt 1 ]; }; then
        if [ "$now" = "$last" ]; then
          same=$((same + 1))
          [ $same -ge 10 ] && return 0
        else
          same=0
        fi
      fi
      last=$now
      sleep 0.1
    done
    echo "run-on-wine.sh: the screen did not settle" >&2
    return 1
  }
  settle ""
  status=0
  if [ -n "$script" ]; then
    while read -r verb a b; do
      case $verb in
        ""|"#"*) ;;
        tap) before=$(look); xdotool mousemove "$a" "$b" click 1; settle "$before" ;;
        screenshot) cp "$look" "$a" ;;
        exit) for _ in $(seq 100); do kill -0 $program 2>/dev/null || break; sleep 0.1; done ;;
        *) echo "run-on-wine.sh: the action '$verb' is not one Wine can do" >&2; status=2 ;;
      esac
    done < "$script"
    wineserver -k 2>/dev/null
  fi
  wait $program
  exit $status
fi

if [ -z "$device" ]; then
  device=$(mktemp -d)
  echo "device: $device"
fi
mkdir -p "$device/drive" "$device/prefix"
device=$(realpath "$device")
[ -z "$script" ] || script=$(realpath "$script")
exec xvfb-run -a -s "-screen 0 240x320x24" "$0" --in-display --device "$device" ${script:+--script "$script"} "$exe"
