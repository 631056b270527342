#!/bin/sh
# The Windows AAX module exports the seven ACF entry points and nothing else,
# and needs no DLL beyond the system's (linked -static).
#   check_aax_exports.sh MODULE
set -u
module="$1"
objdump=x86_64-w64-mingw32-objdump
command -v "$objdump" >/dev/null 2>&1 || exit 77
[ -f "$module" ] || { echo "FAIL: $module was not built: run ./build.sh"; exit 1; }
dump=$("$objdump" -p "$module")
names=$(printf '%s\n' "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table$/,/^$/s/^\t\[ *[0-9]*\] //p' | sort | tr '\n' ' ')
want="ACFCanUnloadNow ACFGetClassFactory ACFGetSDKVersion ACFRegisterComponent ACFRegisterPlugin ACFShutdown ACFStartup "
[ "$names" = "$want" ] || { echo "FAIL: exports are '$names'"; exit 1; }
imports=$(printf '%s\n' "$dump" | sed -n 's/.*DLL Name: //p' | tr 'A-Z' 'a-z' | sort | tr '\n' ' ')
[ "$imports" = "gdi32.dll kernel32.dll msvcrt.dll user32.dll " ] ||
  { echo "FAIL: imports are '$imports'"; exit 1; }
echo "ok: exports $names; imports $imports"
