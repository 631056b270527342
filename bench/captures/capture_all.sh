#!/usr/bin/env bash
# What hosts see of one build, as text files to compare with another
# build's: `diff -r OUT_A OUT_B` shows every difference.
#
#   bench/captures/capture_all.sh [--tools TOOLS_ROOT] [--images] [--jobs N] ROOT OUT_DIR
#
# ROOT is a checkout whose deliverables are built (ROOT/dist); the host
# tools that capture them come from TOOLS_ROOT's trees (build/,
# build-windows/, build-macos-gnustep/; the checkout of this script unless
# --tools says otherwise), so both builds are captured by the same tools.
# OUT_DIR gets one file per area: the editors' pictures (NAME SHA256 WxH
# of the pixels) followed by the host tool's log (the host calls between
# pictures), the audio digests, the exports and dist/'s file list;
# --images also keeps the pictures, as PNG, in OUT_DIR/images/AREA/
# (compare them with any image viewer; the digests need none). Every state is
# reached by explicit host calls, pointer events and counted GUI ticks,
# never by waiting, so two runs on one build give the same files.
# Exit 1 when an area could not be captured (its file says why).
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
tools=$(cd "$here/../.." && pwd)
images=0
jobs=6
while [ $# -gt 2 ]; do
  case "$1" in
    --tools) tools=$(cd "$2" && pwd); shift 2 ;;
    --images) images=1; shift ;;
    --jobs) jobs=$2; shift 2 ;;
    *) break ;;
  esac
done
[ $# -eq 2 ] || { sed -n '2,20p' "$0" | sed 's/^# \{0,1\}//'; exit 2; }
root=$(cd "$1" && pwd) || exit 2
mkdir -p "$2" && out=$(cd "$2" && pwd) || exit 2
dist=$root/dist
[ -d "$dist" ] || { echo "no $dist: build ROOT first" >&2; exit 2; }

. "$here/scenarios.sh"
. "$tools/scripts/cross_compilers.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/vlt-captures.XXXXXX")
cleanup() {
  [ -d "$work/wine-template" ] && "$tools/tests/win32/remove_wine_template.sh" "$work/wine-template" >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
rm -f "$out"/*.txt
rm -rf "$out/images"

native=$tools/build
windows=$tools/build-windows
gnustep=$tools/build-macos-gnustep
wine_run=$tools/tests/win32/wine_run.sh
gnustep_run=$tools/tests/support/gnustep_display_run.sh

# One area: runs its capture into $work/AREA, then writes OUT/AREA.txt
# from the pictures and the log. A missing tool or deliverable is written
# down as such, so the other side's diff shows it.
#   area NAME COMMAND [ARG]...   (the command writes pictures into $dir)
area() {
  local name=$1; shift
  local dir=$work/$name
  mkdir -p "$dir/pictures"
  (cd "$dir" && dir=$dir/pictures "$@") >"$dir/log" 2>"$dir/errors"
  local status=$?
  {
    echo "# $name"
    [ "$status" -eq 0 ] || echo "FAILED: exit $status"
    if [ "$images" -eq 1 ] && [ -n "$(ls -A "$dir/pictures")" ]; then
      python3 "$here/pixel_digests.py" "$dir/pictures" --keep "$out/images/$name"
    else
      python3 "$here/pixel_digests.py" "$dir/pictures"
    fi
    echo "# log"
    cat "$dir/log"
  } >"$out/$name.txt"
  if [ "$status" -ne 0 ]; then
    echo "$name: failed (exit $status); its errors:" >&2
    tail -n 20 "$dir/errors" >&2
    return 1
  fi
}

need() { # FILE...: each must exist, or the area says which is missing
  local f
  for f in "$@"; do
    [ -e "$f" ] || { echo "missing: ${f#"$root"/}"; return 1; }
  done
}

# --- the editors ----------------------------------------------------------------

linux_vst2() { # DPI
  local so=$dist/linux/VLT650.so steps=()
  need "$so" "$native/tools/vst2host/vst2host" || return 1
  for u in 0 0.5 1; do steps+=($(vst2_steps u$u $u)); done
  QELM_UI_DPI=$1 "$here/xvfb_run.sh" 1280x2200x24 "$native/tools/vst2host/vst2host" capture "$so" "$dir" "${steps[@]}"
}

wine_template() {
  [ -f "$work/wine-template/system.reg" ] ||
    "$tools/tests/win32/make_wine_template.sh" "$work/wine-template" >/dev/null
}

# A wine run, bounded: wine's debugger waits for ever on a crash. Once in
# many loaded runs wine itself has crashed before the host's first step;
# such a run is tried once more (said on stderr), one that got further is
# not.
win_run() { # DPI PROGRAM MODULE STEP...
  local dpi=$1 program=$2 module=$3 try status; shift 3
  need "$program" "$module" || return 1
  for try in 1 2; do
    rm -f "$dir"/*
    VLT_WINE_SCREEN=1280x1800x24 timeout -k 10 600 "$wine_run" "$work/wine-template" "$dpi" "$program" "$module" \
      capture "$dir" "$@" | tr -d "\r" >"$dir.log"
    status=$?
    [ "$status" -ne 0 ] && [ "$try" -eq 1 ] && [ ! -s "$dir.log" ] || break
    echo "${dir%/pictures}: wine failed before the first step (exit $status), once more" >&2
  done
  cat "$dir.log"
  return "$status"
}

win_vst2() { # DPI
  local steps=()
  for u in 0 0.5 1; do steps+=($(vst2_steps u$u $u)); done
  win_run "$1" "$windows/tools/win_vst2_host/win_vst2_host.exe" "$dist/windows/VLT650.dll" "${steps[@]}"
}

win_vst3() { # DPI
  local steps=($(win_vst3_steps default) $(win_vst3_steps large size=936,1020))
  win_run "$1" "$windows/tools/win_vst3_host/win_vst3_host.exe" \
    "$dist/windows/VLT650-VST3.vst3/Contents/x86_64-win/VLT650-VST3.vst3" "${steps[@]}"
}

win_aax() { # DPI
  win_run "$1" "$windows/tools/win_aax_host/win_aax_host.exe" \
    "$dist/windows/BrindleVLT650.aaxplugin/Contents/x64/BrindleVLT650.aaxplugin" $(aax_steps aax)
}

# The Cocoa views' banner counts 20 ms ticks.
cocoa_timing() { BANNER_VERSION_TICKS=130 BANNER_BLANK_TICKS=1000; }

gnustep_vst2() {
  cocoa_timing
  local bundle=$dist/macos-gnustep/VLT650-VST.vst steps=()
  need "$bundle" "$gnustep/tools/mac_host/vst2host-gnustep" || return 1
  for u in 0 0.5 1; do steps+=($(vst2_steps u$u $u)); done
  "$gnustep_run" --screen 1280x1100x24 "$gnustep/tools/mac_host/vst2host-gnustep" "$bundle" capture "$dir" "${steps[@]}"
}

gnustep_vst3() {
  cocoa_timing
  local bundle=$dist/macos-gnustep/VLT650-VST3.vst3
  need "$bundle" "$gnustep/tools/mac_host/vst3host-gnustep" || return 1
  "$gnustep_run" "$gnustep/tools/mac_host/vst3host-gnustep" "$bundle" capture "$dir" $(mac_vst3_steps vst3)
}

gnustep_au() {
  cocoa_timing
  local bundle=$dist/macos-gnustep/BrindleVLT650CocoaView.bundle steps=()
  need "$bundle" "$gnustep/tests/mac_au/au_view_capture" || return 1
  for u in 1 1.5 2; do steps+=($(au_steps u$u $u)); done
  VLT_AU_VIEW_BUNDLE=$bundle "$gnustep_run" "$gnustep/tests/mac_au/au_view_capture" "$dir" "${steps[@]}"
}

gnustep_aax() {
  cocoa_timing
  local bundle=$dist/macos-gnustep/BrindleVLT650.aaxplugin
  need "$bundle" "$gnustep/tests/mac_aax/aax_view_capture" || return 1
  VLT_CAPTURE_AAX_BUNDLE=$bundle "$gnustep_run" "$gnustep/tests/mac_aax/aax_view_capture" "$dir" $(aax_steps aax)
}

# --- audio, exports, files --------------------------------------------------------

audio_digests() {
  local status=0 exe=$work/vst2_capture.exe
  need "$native/bench/adapters/vst2_capture" "$dist/linux/VLT650.so" || return 1
  echo "## vst2_capture dist/linux/VLT650.so digest"
  "$native/bench/adapters/vst2_capture" "$dist/linux/VLT650.so" digest || status=1
  echo "## vst3_capture dist/linux/VLT650-VST3.vst3"
  "$native/bench/adapters/vst3_capture" "$dist/linux/VLT650-VST3.vst3/Contents/x86_64-linux/VLT650-VST3.so" ||
    status=1
  echo "## aax_capture dist/linux/BrindleVLT650-test.so"
  # GoogleTest's own lines carry timings: only the digests count.
  VLT_CAPTURE_AAX_MODULE=$dist/linux/BrindleVLT650-test.so "$native/bench/adapters/aax_capture" |
    grep -v '^\[' || status=1
  echo "## vst2_capture.exe dist/windows/VLT650.dll digest (wine)"
  if have_mingw && [ -f "$dist/windows/VLT650.dll" ]; then
    x86_64-w64-mingw32-g++-posix -O2 -std=c++17 -I"$tools/plugin/vst2" "$tools/bench/adapters/vst2_capture.cpp" \
      -o "$exe" -static &&
      "$wine_run" "$work/wine-template" 96 "$exe" "$dist/windows/VLT650.dll" digest | tr -d '\r' || status=1
  else
    echo "not captured: no mingw-w64 or no dist/windows/VLT650.dll"
  fi
  return $status
}

exports() {
  local f
  cd "$dist" || return 1
  for f in $(find . -type f | sort); do
    case "$(file -b "$f")" in
      ELF*)
        echo "## $f (ELF dynamic symbols)"
        nm -D --defined-only "$f" | awk '{ print $2, $3 }'
        echo "## $f (Objective-C classes)"
        nm -D --defined-only "$f" | awk '{ print $3 }' | sed -n 's/^\(_OBJC_CLASS_\|__objc_class_name_\)//p'
        ;;
      PE32*)
        echo "## $f (PE export table)"
        x86_64-w64-mingw32-objdump -p "$f" | sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p'
        ;;
    esac
  done
}

dist_files() {
  local f
  cd "$dist" || return 1
  find . -printf '%M %p\n' | LC_ALL=C sort -k2
  # The bundles' property lists are what a host reads of them first.
  for f in $(find . -name '*.plist' | LC_ALL=C sort); do
    echo "## $f"
    cat "$f"
  done
}

# --- run -------------------------------------------------------------------------

start=$(date +%s)
failed=0
wine_template || echo "no wine template: the Windows areas will fail" >&2

run_area() { area "$@" || echo "$1" >>"$work/failed"; }
cases=(
  "linux-vst2-96dpi linux_vst2 96" "linux-vst2-192dpi linux_vst2 192"
  "windows-vst2-96dpi win_vst2 96" "windows-vst2-144dpi win_vst2 144"
  "windows-vst3-96dpi win_vst3 96" "windows-vst3-144dpi win_vst3 144"
  "windows-aax-96dpi win_aax 96" "windows-aax-144dpi win_aax 144"
  "gnustep-vst2 gnustep_vst2" "gnustep-vst3 gnustep_vst3" "gnustep-au gnustep_au" "gnustep-aax gnustep_aax"
  "audio-digests audio_digests" "exports exports" "dist-files dist_files"
)
for c in "${cases[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n; done
  run_area $c &
done
wait
[ -f "$work/failed" ] && failed=1
echo "captured $(ls "$out"/*.txt | wc -l) areas into $out in $(($(date +%s) - start)) s" >&2
[ "$failed" -eq 0 ] || echo "failed areas: $(tr '\n' ' ' <"$work/failed")" >&2
exit $failed
