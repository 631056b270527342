#!/usr/bin/env bash
# Drives the module through our host: factory listing, processor and
# controller paired and connected, a program change, compression of a loud
# sine, the meter, and a state saved by one run and restored by the next.
set -euo pipefail
host="$1" module="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failed=0 passed=0
expect() {  # expect FILE TEXT: a line of FILE holds TEXT
  if grep -qF -- "$2" "$1"; then passed=$((passed + 1)); else echo "missing in $1: $2"; failed=$((failed + 1)); fi
}

"$host" "$module" --set 7=1 --set 1=1 --set 4=1 --program 0.4 --state-out "$work/state" \
  >"$work/out" 2>"$work/err"
expect "$work/out" "class 0: Brindle VLT650 VST3 | Audio Module Class | Fx|Dynamics | 2.3.3.0 | VST 3.5.2 | flags 1 | E477F0F031324EF4A25DF3B5E3370377"
expect "$work/out" "class 1: Brindle VLT650 VST3Controller | Component Controller Class |  | 2.3.3.0 | VST 3.5.2 | flags 0 | CA027F1605254119AFF8FB3C96DFF810"
expect "$work/out" "bus: audio in 0: Stereo In, 2 channels"
expect "$work/out" "param 8: Preset | steps 5 | flags 0x8001"
expect "$work/out" "view: none"
expect "$work/out" "handler: notifyProgramListChange 8 2"
expect "$work/out" "arrangement: 0"
expect "$work/out" "output: block 0 param 6"
expect "$work/out" "state: 36 bytes, ok"
expect "$work/err" "[VLT650-VST3 Controller] received: [VLT650-VST3] setActive (true)"
expect "$work/err" "[VLT650-VST3 Controller] received: [VLT650-VST3] setActive (false)"
# The sine of 0.9 comes out well below its input level.
if awk '/^audio:/ { exit !($6 < 0.3) }' "$work/out"; then passed=$((passed + 1)); else
  echo "no compression: $(grep '^audio:' "$work/out")"; failed=$((failed + 1)); fi
[ "$(stat -c %s "$work/state")" = 36 ] && passed=$((passed + 1)) || { echo "state size"; failed=$((failed + 1)); }

# The second run starts from the saved state: the controller shows it.
"$host" "$module" --state-in "$work/state" --blocks 1 >"$work/out2" 2>/dev/null
expect "$work/out2" "restore: ok"
expect "$work/out2" "param 1: Thresh | steps 0 | flags 0x1 | -20.00 dB"  # the queue set it after the program
expect "$work/out2" "param 7: Bypass | steps 0 | flags 0x1 | In "
expect "$work/out2" "param 4: Ratio | steps 0 | flags 0x1 | 20.00:1"

# A program chosen on the controller reaches the processor, as a host hands
# on the controller's edits: its values are in the state the next run restores.
"$host" "$module" --program 0.2 --blocks 1 --state-out "$work/program" >/dev/null 2>&1
"$host" "$module" --state-in "$work/program" --blocks 1 >"$work/out5" 2>/dev/null
expect "$work/out5" "param 1: Thresh | steps 0 | flags 0x1 | -14.20 dB"
expect "$work/out5" "param 4: Ratio | steps 0 | flags 0x1 | 2.06:1"

# A state that cannot be read, or that the plug-in refuses, fails the run with its reason.
status() {  # status EXPECTED OUTFILE ARGS...: the run exits non-zero when EXPECTED is "fails"
  local want=$1 out=$2; shift 2
  if "$host" "$module" "$@" >"$out" 2>/dev/null; then got=ok; else got=fails; fi
  if [ "$got" = "$want" ]; then passed=$((passed + 1)); else echo "exit: $got, wanted $want: $*"; failed=$((failed + 1)); fi
}
status fails "$work/out3" --state-in "$work/no-such-state" --blocks 1
expect "$work/out3" "restore: failed, $work/no-such-state: No such file or directory"
printf 'abcd' >"$work/short"
status fails "$work/out4" --state-in "$work/short" --blocks 1
expect "$work/out4" "restore: failed, the plug-in refused 4 bytes of state from $work/short"

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
