#!/bin/sh
# Runs one Windows program under wine on a private Xvfb and a private
# prefix, and removes both afterwards.
#   wine_run.sh TEMPLATE_PREFIX LOGPIXELS PROGRAM [ARG]...
# The prefix is a hard-linked copy of the template made once per ctest run
# (make_wine_template.sh), so it lives next to the template: hard links do
# not cross mounts (a tmpfs /tmp, a bind-mounted checkout). The registry
# files are real copies, since wine rewrites them. Exit 77 when wine, Xvfb
# or mingw-w64 is not installed. VLT_WINE_SCREEN sets the screen (WxHxD)
# for editors larger than the default one.
set -u
template="$1"; dpi="$2"; shift 2
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
[ -x "$wine" ] && command -v Xvfb >/dev/null 2>&1 || exit 77
. "$(dirname "$0")/../../scripts/cross_compilers.sh"
have_mingw || { echo "SKIPPED: no mingw-w64, no Windows tree"; exit 77; }
[ -f "$1" ] || { echo "FAIL: $1 was not built: run ./build.sh"; exit 1; }
[ -f "$template/system.reg" ] || { echo "no wine template prefix at $template"; exit 1; }

work=$(mktemp -d "$template.run.XXXXXX") || exit 1
xvfb_pid=""
cleanup() {
  TMPDIR="$work/tmp" WINEPREFIX="$work/prefix" "$wineserver" -k >/dev/null 2>&1
  TMPDIR="$work/tmp" WINEPREFIX="$work/prefix" "$wineserver" -w >/dev/null 2>&1
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT INT TERM

cp -al "$template" "$work/prefix" || { echo "FAIL: could not link $template into $work"; exit 1; }
for f in system.reg user.reg userdef.reg; do
  rm -f "$work/prefix/$f" && cp "$template/$f" "$work/prefix/$f"
done
# The screen's logical DPI, read by wine from the user's desktop settings.
hex=$(printf '%08x' "$dpi")
sed -i "s/^\[Control Panel\\\\\\\\Desktop\].*/&\n\"LogPixels\"=dword:$hex/" "$work/prefix/user.reg"

# wine keeps its server sockets in a temporary folder: inside ours, so they
# go with it.
mkdir "$work/tmp"
mkfifo "$work/displayfd"
Xvfb -displayfd 3 -screen 0 "${VLT_WINE_SCREEN:-1280x1100x24}" -nolisten tcp 3>"$work/displayfd" >/dev/null 2>&1 &
xvfb_pid=$!
read -r display <"$work/displayfd" || { echo "Xvfb did not start"; exit 1; }

TMPDIR="$work/tmp" DISPLAY=":$display" WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
  "$wine" "$@"
