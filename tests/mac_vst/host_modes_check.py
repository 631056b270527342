#!/usr/bin/env python3
"""The host tools' GNUstep window mode, run by the display runner: each tool
loads its bundle through the bundle, opens the editor in an NSView of a
borderless window, has xdotool move the pointer, and the checks read back
the calls it logged and the pixels of its screenshot.

    host_modes_check.py GNUSTEP_TREE DIST
"""
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from png_image import Image  # noqa: E402

VST2 = ("vst2host-gnustep", "VLT650-VST.vst")
VST3 = ("vst3host-gnustep", "VLT650-VST3.vst3")

# Where the panel starts in a view 468 or more points wide, and its
# controls in window points: knob centres sit 16 below their panel row.
PANEL_X = 162
IN_GAIN = (PANEL_X + 101, 125)
EFFECT_SWITCH = (PANEL_X + 72, 437)


def calls_of(out):
    """The edits a tool logged, as 'begin N;set N;end N;' whatever the format."""
    words = {"audioMasterBeginEdit": "begin", "audioMasterAutomate": "set", "audioMasterEndEdit": "end",
             "beginEdit": "begin", "performEdit": "set", "endEdit": "end"}
    calls = ""
    for line in out.splitlines():
        fields = line.replace("handler: ", "").split()
        if fields and fields[0] in words:
            index = fields[4] if fields[0].startswith("audioMaster") else fields[1]
            calls += "%s %s;" % (words[fields[0]], index)
    return calls


END_ALL = "".join("end %d;" % i for i in range(7))


def drag(at, dy):
    return ["--drag", "%d,%d,%d" % (at[0], at[1], dy)]


# Each run: the tool and its bundle, then its options; every run also
# writes a screenshot NAME.png of the window as the run ends.
RUNS = {
    "vst2": (VST2, ["--seconds", "0.3"]),
    "vst2_bypass": (VST2, ["--seconds", "0.3", "--bypass"]),
    "vst2_knob": (VST2, ["--seconds", "1.5", "--calls"] + drag(IN_GAIN, -40)),
    "vst2_switch": (VST2, ["--seconds", "1.5", "--calls"] + drag(EFFECT_SWITCH, 0)),
    "vst3": (VST3, ["--seconds", "0.3", "--size", "1000x600"]),
    "vst3_bypass": (VST3, ["--seconds", "0.3", "--size", "468x510", "--bypass", "0.7"]),
    "vst3_panel": (VST3, ["--seconds", "0.3", "--size", "468x510", "--bypass", "0.5"]),
    "vst3_knob": (VST3, ["--seconds", "1.5", "--size", "468x510"] + drag(IN_GAIN, -40)),
    "vst3_switch": (VST3, ["--seconds", "1.5", "--size", "468x510"] + drag(EFFECT_SWITCH, 0)),
}


def has_lines(*lines):
    return lambda r: [line for line in lines if line not in r.out.splitlines()] or None


def size(w, h):
    return lambda r: None if (r.image.width, r.image.height) == (w, h) else "%d x %d" % (r.image.width, r.image.height)


def calls(pattern):
    return lambda r: None if re.fullmatch(pattern, calls_of(r.out)) else calls_of(r.out)


def is_grey(p):
    return max(p) - min(p) <= 2


def coloured(r, box):
    """How many pixels of the box have colour (are not grey)."""
    return sum(1 for p in r.image.region(*box) if not is_grey(p))


def warm(p):
    """The panel's orange, bright or dimmed: never what the grey draw makes."""
    r, g, b = p
    return r > g > b and r - b >= 30


def pixel(at, want, what):
    return lambda r: None if want(r.image.pixel(*at)) else "%s at %d,%d is %s" % (what, at[0], at[1], r.image.pixel(*at))


def panel_edge(r):
    """The panel's frame starts at PANEL_X, on the black of the view."""
    row = 300
    outside, edge = r.image.pixel(PANEL_X - 1, row), r.image.pixel(PANEL_X, row)
    return None if outside == (0, 0, 0) and min(edge) > 30 else "x %d: %s then %s" % (PANEL_X - 1, outside, edge)


def panel_coloured(r):
    n = coloured(r, (PANEL_X, 16, PANEL_X + 144, r.image.height))
    return None if n > 1000 else "%d coloured pixels" % n


def all_grey(r):
    n = coloured(r, (0, 0, r.image.width, r.image.height))
    return None if n == 0 else "%d coloured pixels" % n


def checks(size_w, size_h):
    """What every screenshot of a panel shows."""
    return [size(size_w, size_h), panel_edge]


def in_colour(size_w, size_h):
    return checks(size_w, size_h) + [panel_coloured, pixel(EFFECT_SWITCH, warm, "the switch lamp")]


def in_grey(size_w, size_h):
    return checks(size_w, size_h) + [all_grey]


VST3_END_ALL = "".join("end %d;" % i for i in (0, 1, 2, 3, 4, 5, 7))

# Each run's checks; a check answers None or what it saw instead.
CHECKS = {
    "vst2": in_colour(470, 512) + [has_lines("plugin: %(dist)s/VLT650-VST.vst id VL65", "editor rect: 470 x 512",
                                             "editor open: 1", "done")],
    "vst2_bypass": in_grey(470, 512),
    "vst2_knob": [calls("begin 0;(set 0;)+" + END_ALL)],
    "vst2_switch": [calls("begin 6;set 6;end 6;" + END_ALL)],
    "vst3": [size(936, 600), has_lines("NSView: supported", "view size: 936 x 600", "attached: 0", "removed: 0",
                                       "bundleExit: 1")],
    "vst3_bypass": in_grey(468, 510) + [has_lines("bypass: 97 = 0.70")],
    # A bypass of one half is not yet the host's bypass.
    "vst3_panel": in_colour(468, 510) + [has_lines("view size: 468 x 510", "bypass: 97 = 0.50")],
    "vst3_knob": [calls("begin 0;(set 0;)+" + VST3_END_ALL)],
    # The VST3 switch press leaves its gesture open until the release.
    "vst3_switch": [calls("begin 7;set 7;" + VST3_END_ALL)],
}


class Result:
    def __init__(self, out, image):
        self.out, self.image = out, image


def run(tree, dist, work, name):
    (tool, bundle), options = RUNS[name]
    shot = os.path.join(work, name + ".png")
    command = [os.path.join(tree, "tools", "mac_host", tool), os.path.join(dist, bundle)] + options
    done = subprocess.run(command + ["--screenshot", shot], capture_output=True, text=True, timeout=60)
    if done.returncode != 0:
        return None, "%s exited %d: %s" % (tool, done.returncode, done.stderr[-2000:])
    return Result(done.stdout.replace(dist, "%(dist)s"), Image(shot)), None


def main():
    tree, dist = sys.argv[1], sys.argv[2]
    work = os.environ["VLT_DISPLAY_WORK"]
    failed = 0
    for name in RUNS:
        result, error = run(tree, dist, work, name)
        problems = [error] if error else [p for p in (check(result) for check in CHECKS[name]) if p]
        for problem in problems:
            print("FAIL %s: %s" % (name, problem))
            failed = 1
        if problems and result:
            print(result.out)
    print("host modes: %d runs, %s" % (len(RUNS), "failures" if failed else "all checks passed"))
    return failed


if __name__ == "__main__":
    sys.exit(main())
