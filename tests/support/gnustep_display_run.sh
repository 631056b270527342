#!/bin/sh
# Runs one GNUstep GUI program on a display of its own and removes everything
# it started afterwards.
#   gnustep_display_run.sh [--screen WxHxD] PROGRAM [ARG]...
# The program gets DISPLAY (a private Xvfb), a private HOME (defaults) and a
# private TEMP (GNUstep's message ports, so it talks to our notification
# server only). Our own `gdnc --no-fork` runs before the program: otherwise
# the GUI library launches a daemon that outlives the test. Xvfb and gdnc are
# stopped by their process ids. VLT_DISPLAY_WORK names a scratch folder the
# program may write into; it is removed afterwards.
# Exit: the program's status; 77 when GNUstep, its GUI back end, Xvfb or
# xdotool is missing.
set -u
screen=1280x1100x24
if [ "${1:-}" = "--screen" ]; then
  screen="$2"; shift 2
fi
[ $# -ge 1 ] || { echo "usage: $0 [--screen WxHxD] PROGRAM [ARG]..."; exit 2; }

. "$(dirname "$0")/../../scripts/cross_compilers.sh"
have_gnustep || { echo "SKIPPED: no GNUstep here"; exit 77; }
for tool in Xvfb xdotool gdnc; do
  command -v "$tool" >/dev/null 2>&1 || { echo "SKIPPED: no $tool here"; exit 77; }
done
ls -d /usr/lib/GNUstep/Bundles/libgnustep-*.bundle >/dev/null 2>&1 ||
  { echo "SKIPPED: no GNUstep GUI back end here"; exit 77; }
[ -f "$1" ] || command -v "$1" >/dev/null 2>&1 ||
  { echo "FAIL: $1 was not built: run ./build.sh"; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/vlt-gnustep.XXXXXX")
xvfb_pid=""
gdnc_pid=""
stop() {
  [ -n "$1" ] && kill "$1" 2>/dev/null && wait "$1" 2>/dev/null
}
cleanup() {
  stop "$gdnc_pid"
  stop "$xvfb_pid"
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mkdir -m 700 "$work/home" "$work/temp" "$work/scratch"
mkfifo "$work/displayfd"
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$work/displayfd" >/dev/null 2>&1 &
xvfb_pid=$!
read -r display <"$work/displayfd" || { echo "Xvfb did not start"; exit 1; }

export DISPLAY=":$display" HOME="$work/home" TEMP="$work/temp" TMPDIR="$work/temp"
export GNUSTEP_USER_ROOT="$work/home/GNUstep" VLT_DISPLAY_WORK="$work/scratch"
gdnc --no-fork >"$work/gdnc.log" 2>&1 &
gdnc_pid=$!
# gdnc is ready once its name is registered (a file named after the base64
# of "GDNCServer" among the message port names).
tries=0
until [ -e "$TEMP/NSMessagePort/names/R0ROQ1NlcnZlcg==" ]; do
  tries=$((tries + 1))
  if [ "$tries" -gt 100 ] || ! kill -0 "$gdnc_pid" 2>/dev/null; then
    echo "gdnc did not start:"; cat "$work/gdnc.log"; exit 1
  fi
  sleep 0.05
done

"$@"
status=$?
exit "$status"
