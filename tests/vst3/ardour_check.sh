#!/usr/bin/env bash
# Real-host checks with Ardour, headless:
#   scan    - ardour-vst3-scanner lists the module with its buses and strings
#   session - a Dummy-backend session instantiates it, runs audio through it,
#             and the controller receives the processor's setActive message
set -euo pipefail
mode="$1" bundle="$2"
# Ardour finds the module by folder (VST3_PATH) from its own working folder.
[ -e "$bundle" ] && bundle="$(cd "$(dirname "$bundle")" && pwd)/$(basename "$bundle")"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
scanner=/usr/lib/ardour7/ardour-vst3-scanner
# Without Ardour (package ardour) there is no real host to check with.
for tool in "$scanner" "$(command -v ardour7-lua || echo ardour7-lua)"; do
  [ -x "$tool" ] || { echo "skipped: missing $tool (package ardour)"; exit 77; }
done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Ardour keeps its configuration and plug-in cache under HOME.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_CACHE_HOME="$work/home/.cache"
mkdir -p "$HOME"
export LD_LIBRARY_PATH=/usr/lib/ardour7${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
failed=0 passed=0
expect() {
  if grep -qF -- "$2" "$1"; then passed=$((passed + 1)); else echo "missing in $1: $2"; failed=$((failed + 1)); fi
}

timeout 60 "$scanner" -f "$bundle" >"$work/scan.out" 2>&1 || { cat "$work/scan.out"; exit 1; }
cache="$(find "$XDG_CACHE_HOME" -name '*.v3i' | head -1)"
[ -n "$cache" ] || { echo "scanner wrote no cache"; cat "$work/scan.out"; exit 1; }

case "$mode" in
scan)
  expect "$cache" 'uid="E477F0F031324EF4A25DF3B5E3370377"'
  expect "$cache" 'name="Brindle VLT650 VST3"'
  expect "$cache" 'vendor="Brindle DSP"'
  expect "$cache" 'category="Fx|Dynamics"'
  expect "$cache" 'version="2.3.3.0"'
  expect "$cache" 'n_inputs="2" n_outputs="2"'
  ;;
session)
  export VST3_PATH="$(dirname "$bundle")" VLT_SESSION_DIR="$work/session"
  timeout 120 ardour7-lua "$here/ardour_session.lua" >"$work/session.out" 2>&1 || {
    cat "$work/session.out"; exit 1; }
  expect "$work/session.out" "check: active true"
  expect "$work/session.out" "check: inputs 2 outputs 2"
  expect "$work/session.out" "[VLT650-VST3 Controller] received: [VLT650-VST3] setActive (true)"
  expect "$work/session.out" "[VLT650-VST3 Controller] received: [VLT650-VST3] setActive (false)"
  expect "$work/session.out" "check: closed"
  # The meter comes back from the audio thread only if audio was processed.
  if awk '/^check: meter/ { found = 1; exit !($3 > 0) } END { if (!found) exit 1 }' "$work/session.out"; then
    passed=$((passed + 1)); else echo "no gain reduction reported"; grep check "$work/session.out" || true
    failed=$((failed + 1)); fi
  ;;
*) echo "usage: ardour_check.sh scan|session BUNDLE"; exit 2 ;;
esac
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
