#!/usr/bin/env bash
# Ardour's own VST2 scanner must load the library and list it correctly.
# It runs headless; should it ever need a display, it gets a private Xvfb.
set -euo pipefail
lib="$1"
scanner=/usr/lib/ardour7/ardour-vst-scanner
[ -x "$scanner" ] || { echo "skipped: missing $scanner (package ardour)"; exit 77; }

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
# The scanner writes its cache under HOME; keep it private.
export HOME="$work" XDG_CACHE_HOME="$work/cache" XDG_CONFIG_HOME="$work/config"

scan() {
  LD_LIBRARY_PATH=/usr/lib/ardour7 timeout 120 "$scanner" -v -f "$lib" >"$work/out.txt" 2>&1
}

if ! (unset DISPLAY; scan); then
  echo "headless scan failed; retrying under a private Xvfb"
  mkfifo "$work/displayfd"
  Xvfb -displayfd 3 -nolisten tcp 3>"$work/displayfd" >/dev/null 2>&1 &
  xvfb_pid=$!
  read -r -t 30 display <"$work/displayfd"
  DISPLAY=":$display" scan || { cat "$work/out.txt"; exit 1; }
fi
cat "$work/out.txt"

info="$(grep -o '<VST2Info [^>]*>' "$work/out.txt" || true)"
[ -n "$info" ] || { echo "no VST2Info in the scanner's output"; exit 1; }
status=0
for want in 'id="1986803253"' 'name="VLT650"' 'creator="Brindle DSP"' \
            'n_inputs="2"' 'n_outputs="2"' 'has_editor="1"' 'can_process_replace="1"'; do
  case "$info" in
    *"$want"*) ;;
    *) echo "missing $want"; status=1 ;;
  esac
done
exit $status
