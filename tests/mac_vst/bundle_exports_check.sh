#!/bin/sh
# Each macOS bundle has GNUstep's layout (executable at the top, property
# list with its identifier) and exports its host entry points only.
set -u
dist="$1"
. "$(dirname "$0")/../../scripts/cross_compilers.sh"
have_gnustep || { echo "SKIPPED: no GNUstep here"; exit 77; }
failed=0
check() {  # bundle executable identifier exports...
  bundle="$dist/$1"; name="$2"; exe="$bundle/$2"; id="$3"; shift 3
  want="$*"
  [ -f "$exe" ] || { echo "FAIL: $exe missing (run ./build.sh)"; failed=1; return; }
  got=$(nm -D --defined-only "$exe" | awk '{print $3}' | sort | tr '\n' ' ' | sed 's/ $//')
  [ "$got" = "$want" ] || { echo "FAIL: $exe exports '$got', not '$want'"; failed=1; }
  grep -q "CFBundleIdentifier = \"$id\";" "$bundle/Resources/Info-gnustep.plist" ||
    { echo "FAIL: $bundle has no identifier $id"; failed=1; }
  grep -q "NSExecutable = \"$name\";" "$bundle/Resources/Info-gnustep.plist" ||
    { echo "FAIL: $bundle does not name its executable $name"; failed=1; }
}
check VLT650-VST.vst VLT650-VST com.brindledsp.VLT650-VST VSTPluginMain
check VLT650-VST3.vst3 VLT650-VST3 com.brindledsp.VLT650-VST3 GetPluginFactory bundleEntry bundleExit
[ "$failed" = 0 ] && echo "bundles: layout and exports as expected"
exit "$failed"
