#!/bin/sh
# Removes the template prefix after the run.
set -u
[ -x /usr/lib/wine/wineserver ] && TMPDIR="$1.tmp" WINEPREFIX="$1" /usr/lib/wine/wineserver -k >/dev/null 2>&1
# with what a killed run left next to it
rm -rf "$1" "$1.tmp" "$1".run.*
