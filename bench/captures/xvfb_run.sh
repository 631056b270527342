#!/bin/sh
# Runs one program on a private Xvfb (-displayfd, so it picks a free
# display) and stops that server by its pid afterwards.
#   xvfb_run.sh WxHxD PROGRAM [ARG]...
# Exit: the program's status.
set -u
[ $# -ge 2 ] || { echo "usage: $0 WxHxD PROGRAM [ARG]..." >&2; exit 2; }
screen=$1; shift
work=$(mktemp -d "${TMPDIR:-/tmp}/vlt-xvfb.XXXXXX")
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
mkfifo "$work/displayfd"
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$work/displayfd" >/dev/null 2>&1 &
xvfb_pid=$!
read -r display <"$work/displayfd" || { echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=":$display" "$@"
