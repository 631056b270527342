#!/bin/sh
# The host tools' GNUstep window mode, run by the display runner: each
# loads its bundle through the bundle, opens the editor in an NSView and
# writes a screenshot of the window's size.
#   host_modes_check.sh GNUSTEP_TREE DIST
set -u
tree="$1"; dist="$2"
out="$VLT_DISPLAY_WORK"
failed=0
expect() {  # file text
  grep -qxF "$2" "$1" || { echo "FAIL: no line '$2' in:"; cat "$1"; failed=1; }
}
png_size() {  # file -> "W x H" from the PNG header
  od -An -tu1 -j16 -N8 "$1" | awk '{print $3*256+$4 " x " $7*256+$8}'
}

"$tree/tools/mac_host/vst2host-gnustep" "$dist/VLT650-VST.vst" --seconds 0.3 \
  --screenshot "$out/vst2.png" >"$out/vst2.txt" 2>"$out/vst2.err" || { echo "FAIL: vst2host-gnustep"; cat "$out/vst2.err"; failed=1; }
expect "$out/vst2.txt" "plugin: $dist/VLT650-VST.vst id VL65"
expect "$out/vst2.txt" "editor rect: 470 x 512"
expect "$out/vst2.txt" "editor open: 1"
expect "$out/vst2.txt" "done"
[ "$(png_size "$out/vst2.png")" = "470 x 512" ] || { echo "FAIL: VST2 screenshot $(png_size "$out/vst2.png")"; failed=1; }

"$tree/tools/mac_host/vst3host-gnustep" "$dist/VLT650-VST3.vst3" --seconds 0.3 --size 1000x600 \
  --screenshot "$out/vst3.png" >"$out/vst3.txt" 2>"$out/vst3.err" || { echo "FAIL: vst3host-gnustep"; cat "$out/vst3.err"; failed=1; }
expect "$out/vst3.txt" "NSView: supported"
expect "$out/vst3.txt" "view size: 936 x 600"
expect "$out/vst3.txt" "attached: 0"
expect "$out/vst3.txt" "removed: 0"
expect "$out/vst3.txt" "bundleExit: 1"
[ "$(png_size "$out/vst3.png")" = "936 x 600" ] || { echo "FAIL: VST3 screenshot $(png_size "$out/vst3.png")"; failed=1; }

# The pointer moved by xdotool: a drag up on In Gain (panel 101, 125 in the
# 468-point view, whose panel starts at 162) is one gesture the host hears.
"$tree/tools/mac_host/vst2host-gnustep" "$dist/VLT650-VST.vst" --seconds 1.5 --drag 263,125,-40 --calls \
  >"$out/drag.txt" 2>"$out/drag.err" || { echo "FAIL: vst2host-gnustep --drag"; cat "$out/drag.err"; failed=1; }
calls=$(grep -E 'audioMaster(BeginEdit|Automate|EndEdit) ' "$out/drag.txt" | awk '{print $1 " " $5}' | tr '\n' ';')
case "$calls" in
  "audioMasterBeginEdit 0;audioMasterAutomate 0;"*"audioMasterEndEdit 0;audioMasterEndEdit 1;"*"audioMasterEndEdit 6;") ;;
  *) echo "FAIL: drag calls: $calls"; failed=1 ;;
esac

[ "$failed" = 0 ] && echo "host modes: both editors opened through their bundles"
exit "$failed"
