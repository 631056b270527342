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
  "$wine" wineboot -i >/dev/null 2>&1
TMPDIR="$dir.tmp" WINEPREFIX="$dir" "$wineserver" -w
[ -f "$dir/system.reg" ] && [ -f "$dir/user.reg" ]
