#!/bin/sh
# The five macOS bundles as they ship: each stripped, each exporting the
# entry points its host calls by name (listed here) or, for a bundle a host
# enters through its principal class, its Objective-C classes
# (__objc_class_name_*), and nothing else; and, loaded together into one
# process in either order, no reference of one bound to another.
#   bundle_isolation_check.sh LOADER DIST
# Exit 0 when all holds, 1 otherwise, 77 without GNUstep.
set -u
loader="$1"; dist="$2"
. "$(dirname "$0")/../../scripts/cross_compilers.sh"
have_gnustep || { echo "SKIPPED: no GNUstep here"; exit 77; }
[ -x "$loader" ] || { echo "FAIL: $loader was not built: run ./build.sh"; exit 1; }
# Without file(1) every bundle would pass as stripped.
command -v file >/dev/null 2>&1 || { echo "FAIL: no file(1) (package file): run ./build.sh"; exit 1; }
work=$(mktemp -d "${TMPDIR:-/tmp}/vlt-bundles.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM

# executable inside dist | entry points a host looks up by name
cat > "$work/bundles" <<'LIST'
BrindleVLT650CocoaView.bundle/BrindleVLT650CocoaView|
BrindleVLT650.aaxplugin/Resources/BrindleVLT650GUI.bundle/BrindleVLT650GUI|
VLT650-VST.vst/VLT650-VST|VSTPluginMain
VLT650-VST3.vst3/VLT650-VST3|GetPluginFactory bundleEntry bundleExit
BrindleVLT650.aaxplugin/BrindleVLT650|ACFCanUnloadNow ACFGetClassFactory ACFGetSDKVersion ACFRegisterComponent ACFRegisterPlugin ACFShutdown ACFStartup
LIST

failed=0
fail() { echo "FAIL: $*"; failed=1; }
: > "$work/paths"
while IFS='|' read -r rel entries; do
  exe="$dist/$rel"
  [ -f "$exe" ] || { fail "$exe missing (run ./build.sh)"; continue; }
  exe=$(readlink -f "$exe")
  echo "$exe" >> "$work/paths"
  kind=$(file -b "$exe")
  case "$kind" in
    *"with debug_info"*|*"not stripped"*) fail "$rel is not stripped: $kind" ;;
  esac
  exports=$(nm -D --defined-only "$exe" | awk '{print $3}' | sort)
  echo "exports of $rel:"
  echo "$exports" | sed 's/^/  /'
  for symbol in $exports; do
    case " $entries " in *" $symbol "*) continue ;; esac
    case "$symbol" in __objc_class_name_*) continue ;; esac
    fail "$rel exports $symbol, neither an Objective-C class nor an entry point"
  done
  for entry in $entries; do
    echo "$exports" | grep -qxF "$entry" || fail "$rel lacks its entry point $entry"
  done
  # A host finds a bundle without entry points by its principal class.
  [ -n "$entries" ] || echo "$exports" | grep -q '^__objc_class_name_' ||
    fail "$rel exports neither an entry point nor an Objective-C class"
done < "$work/bundles"
[ -s "$work/paths" ] || exit 1

# Loaded in the listed order (the Audio Unit view before the AAX GUI bundle,
# as a host with both would) and in the reverse one.
load() {  # name paths-file
  # shellcheck disable=SC2046
  LD_DEBUG=bindings LD_DEBUG_OUTPUT="$work/$1.ld" "$loader" $(cat "$2") > "$work/$1.out" 2>&1 ||
    { fail "the $1 load failed:"; cat "$work/$1.out"; return; }
  # Lines "binding file FROM [n] to TO [n]: normal symbol `NAME' ...": one
  # pass that counts each bundle's bindings and names every one that lands
  # in another of the bundles.
  cat "$work/$1.ld".* | awk -v order="$1" -v list="$2" '
    BEGIN { while ((getline line < list) > 0) ours[line] = 1 }
    /binding file / {
      from = $0; sub(/.*binding file /, "", from); sub(/ \[[0-9]+\] to .*/, "", from)
      to = $0; sub(/.* to /, "", to); sub(/ \[[0-9]+\]: .*/, "", to)
      name = $0; sub(/.*symbol `/, "", name); sub(/'"'"'.*/, "", name)
      if (from in ours) seen[from]++
      if (from in ours && to in ours && from != to) {
        print "FAIL: " order " load: " from " binds " name " to " to; bad = 1
      }
    }
    END {
      for (b in ours) if (!(b in seen)) { print "FAIL: the " order " load shows no binding of " b; bad = 1 }
      exit bad
    }' || failed=1
}
load forward "$work/paths"
sed '1!G;h;$!d' "$work/paths" > "$work/paths.reversed"
load reverse "$work/paths.reversed"
[ "$failed" = 0 ] && echo "bundles: stripped, exports as listed, no binding from one into another"
exit "$failed"
