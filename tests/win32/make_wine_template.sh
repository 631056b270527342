#!/bin/sh
# Makes the wine prefix every Windows test copies (once per ctest run).
#   make_wine_template.sh DIR
set -u
dir="$1"
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
[ -x "$wine" ] || exit 0
rm -rf "$dir"
mkdir -p "$(dirname "$dir")" "$dir.tmp"
TMPDIR="$dir.tmp" WINEPREFIX="$dir" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY= \
  "$wine" wineboot -i >"$dir.tmp/wineboot.log" 2>&1
TMPDIR="$dir.tmp" WINEPREFIX="$dir" "$wineserver" -w
# A prefix with its registry but without system32 makes every test hang
# rather than fail: say what wineboot said instead.
for f in system.reg user.reg drive_c/windows/system32/kernel32.dll; do
  [ -f "$dir/$f" ] || { echo "FAIL: wineboot made no $dir/$f:"; cat "$dir.tmp/wineboot.log"; exit 1; }
done
