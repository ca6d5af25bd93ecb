#!/usr/bin/env bash
# Runs scenario.txt on the emulated device and on Wine, compares the screenshots over what the
# program paints (screens.txt) and the files the program wrote: its options and list files,
# its wake-up registrations and the hardware key 40C4 it takes over while it runs.
# Usage: screen_for_screen.sh TESSELINK TESSELINK_EXE COMPARE_SCREENS
# Exits with 77 (skipped) and says why when Wine cannot start here.
set -uo pipefail
tesselink=$(realpath "$1") exe=$(realpath "$2") compare_screens=$(realpath "$3")
here=$(cd "$(dirname "$0")" && pwd)
scripts=$(cd "$here/../../scripts" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/emulator" "$work/wine"

(cd "$work/wine" && "$scripts/run-on-wine.sh" --device "$work/wine/device" --script "$here/scenario.txt" "$exe")
status=$?
[ $status -ne 77 ] || exit 77
[ $status -eq 0 ] || { echo "FAIL: the run on Wine failed ($status)"; exit 1; }
(cd "$work/emulator" && "$tesselink" --headless --device "$work/emulator/device" --script "$here/scenario.txt" \
  > /dev/null) || { echo "FAIL: the run on the emulated device failed"; exit 1; }

failed=0
"$compare_screens" "$here/screens.txt" "$work/emulator" "$work/wine" || failed=1

# The section of one registry key in regedit's text, without the file's line ends.
key_section() {
  # Through the environment: awk -v would read the key's backslashes as escapes.
  tr -d '\r' | KEY="[$1]" awk '$0 == ENVIRON["KEY"] { inside = 1; next } /^\[/ { inside = 0 } inside && NF'
}
key='HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shell\Keys\40C4'
key_section "$key" < "$work/emulator/device/.device/registry.reg" > "$work/emulator/40C4"
WINEPREFIX=$work/wine/device/prefix WINEDEBUG=-all wine regedit /E "$work/wine/40C4.reg" "$key" &&
  iconv -f UTF-16 -t UTF-8 "$work/wine/40C4.reg" | key_section "$key" > "$work/wine/40C4"
WINEPREFIX=$work/wine/device/prefix wineserver -k 2>/dev/null

for file in Windows/tslink.opt Windows/tslink.lst .device/notifications.txt; do
  if cmp -s "$work/emulator/device/$file" "$work/wine/device/drive/$file"; then
    echo "$file: the same"
  else
    echo "$file: differs"; failed=1
  fi
done
if [ -s "$work/emulator/40C4" ] && cmp -s "$work/emulator/40C4" "$work/wine/40C4"; then
  echo "registry key 40C4: the same"
else
  echo "registry key 40C4: differs or missing"; diff "$work/emulator/40C4" "$work/wine/40C4"; failed=1
fi
exit $failed
