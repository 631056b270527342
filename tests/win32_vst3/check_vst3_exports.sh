#!/bin/sh
# The Windows VST3 module sits where hosts look for it in its bundle,
# exports GetPluginFactory, InitDll and ExitDll only, and needs no DLL
# beyond the system's.
#   check_vst3_exports.sh BUNDLE_DIR
set -u
bundle="$1"
module="$bundle/Contents/x86_64-win/VLT650-VST3.vst3"
objdump=x86_64-w64-mingw32-objdump
command -v "$objdump" >/dev/null 2>&1 || exit 77
[ -f "$module" ] || { echo "FAIL: $module was not built: run ./build.sh"; exit 1; }
dump=$("$objdump" -p "$module")
printf '%s\n' "$dump" | grep -q '^Magic.*020b' || { echo "FAIL: not a 64-bit PE module"; exit 1; }
names=$(printf '%s\n' "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table$/,/^$/s/^\t\[ *[0-9]*\] //p' | sort | tr '\n' ' ')
[ "$names" = "ExitDll GetPluginFactory InitDll " ] || { echo "FAIL: exports are '$names'"; exit 1; }
imports=$(printf '%s\n' "$dump" | sed -n 's/.*DLL Name: //p' | tr 'A-Z' 'a-z' | sort | tr '\n' ' ')
[ "$imports" = "gdi32.dll kernel32.dll msvcrt.dll user32.dll " ] ||
  { echo "FAIL: imports are '$imports' (linked -static: no runtime DLLs)"; exit 1; }
echo "ok: exports $names; imports $imports"
