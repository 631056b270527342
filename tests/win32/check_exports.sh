#!/bin/sh
# The Windows VST2 library exports VSTPluginMain and main at one address and
# nothing else, needs no DLL beyond the system's, and is stripped to an empty
# symbol table (every Windows deliverable is stripped by the same rule).
#   check_exports.sh DLL
set -u
dll="$1"
objdump=x86_64-w64-mingw32-objdump
command -v "$objdump" >/dev/null 2>&1 || exit 77
[ -f "$dll" ] || { echo "FAIL: $dll was not built: run ./build.sh"; exit 1; }
dump=$("$objdump" -p "$dll")
names=$(printf '%s\n' "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table$/,/^$/s/^\t\[ *[0-9]*\] //p' | sort | tr '\n' ' ')
[ "$names" = "VSTPluginMain main " ] || { echo "FAIL: exports are '$names'"; exit 1; }
rvas=$(printf '%s\n' "$dump" | sed -n '/^Export Address Table/,/^$/s/.*\] +base\[ *[0-9]*\] *\([0-9a-f]*\) Export RVA/\1/p' | sort -u | wc -l)
[ "$rvas" = 1 ] || { echo "FAIL: VSTPluginMain and main differ in address"; exit 1; }
imports=$(printf '%s\n' "$dump" | sed -n 's/.*DLL Name: //p' | tr 'A-Z' 'a-z' | sort | tr '\n' ' ')
[ "$imports" = "gdi32.dll kernel32.dll msvcrt.dll user32.dll " ] ||
  { echo "FAIL: imports are '$imports' (linked -static: no runtime DLLs)"; exit 1; }
symbols=$("$objdump" -t "$dll" | grep -c '^\[')
[ "$symbols" = 0 ] || { echo "FAIL: $symbols entries in the symbol table: not stripped"; exit 1; }
echo "ok: exports $names; imports $imports; no symbol table"
