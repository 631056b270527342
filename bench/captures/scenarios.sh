# The capture scripts of capture_all.sh: for each editor, the steps of the
# host tools' capture verb (tools/host_common/capture_script.h), one word
# each, printed on standard output. Sourced; every function takes the
# prefix of its shot names and, where the editor has them, its UI size.

# Panel points (content pixbuf pixels) of the standard panel.
BANNER=72,66
THRESH=48,171
SWITCH=72,437
STATUS=54,8
LEFT=90,8
RIGHT=124,8
EMPTY=10,480 # no widget: a double click resets the UI size
# The Cocoa panel of the Audio Unit view: STATUS further left, the power
# button where the standard panel's right button is.
COCOA_STATUS=51,8
COCOA_POWER=125,8

# The banner's own timing in ticks: the version text after 2.5 s, blank
# after 22.5 s, at 50 ms a tick (X11, Win32); the Cocoa views tick every
# 20 ms and set these to 130 and 1000.
BANNER_VERSION_TICKS=60
BANNER_BLANK_TICKS=400
timing_steps() { # PREFIX
  echo ticks=$BANNER_VERSION_TICKS shot=$1-banner-version ticks=$BANNER_BLANK_TICKS shot=$1-banner-blank
}

# Opened fresh, then each program picked by the host, then the banner's
# own timing.
programs_steps() { # PREFIX UI_STEP PROGRAM...
  local p=$1 ui=$2; shift 2
  echo new $ui open ticks=2 shot=$p-fresh
  for n in "$@"; do echo program=$n ticks=2 shot=$p-program-$n; done
  timing_steps $p
}

# The banner scrolled 40 pixels left, then a program or a host value.
banner_steps() { # PREFIX UI_STEP PROGRAM_STEP
  local p=$1 ui=$2 program=$3
  echo new $ui open drag=$BANNER,-40,0,4 ticks=2 shot=$p-banner-dragged
  [ -n "$program" ] && echo $program ticks=2 shot=$p-banner-dragged-program
  echo new $ui open drag=$BANNER,-40,0,4 param=1,0.5 ticks=2 shot=$p-banner-dragged-param
  echo wheel=$BANNER,-3 ticks=2 shot=$p-banner-wheeled
}

# A knob by the mouse (drag, double-click reset, wheel), the meter, the
# effect switch by the host and by a click.
controls_steps() { # PREFIX UI_STEP EFFECT_OFF_STEP
  local p=$1 ui=$2 effect_off=$3
  echo new $ui open drag=$THRESH,0,-60,3 ticks=2 shot=$p-knob-drag
  echo dclick=$THRESH ticks=2 shot=$p-double-click-reset
  echo wheel=$THRESH,3 ticks=2 shot=$p-knob-wheel
  echo meter=0 ticks=3 shot=$p-meter-0 meter=0.5 ticks=3 shot=$p-meter-half meter=1 ticks=3 shot=$p-meter-full
  echo meter=0 ticks=3 $effect_off ticks=2 shot=$p-effect-by-host
  echo click=$SWITCH ticks=2 shot=$p-effect-switch-clicked
}

# The step buttons (the first press shows the name, the next steps), the
# status button, then a close and reopen with a host value in between.
buttons_steps() { # PREFIX UI_STEP
  local p=$1 ui=$2
  echo new $ui open click=$RIGHT ticks=2 shot=$p-preset-name click=$RIGHT ticks=2 shot=$p-preset-next
  echo click=$LEFT ticks=2 shot=$p-preset-back click=$STATUS ticks=2 shot=$p-status
  echo param=1,0.7 close param=2,0.4 open ticks=2 shot=$p-reopened
}

# The host's bypass (the monochrome panel) and back.
mono_steps() { # PREFIX UI_STEP
  local p=$1 ui=$2
  echo new $ui open bypass=1 ticks=2 shot=$p-mono bypass=0 ticks=2 shot=$p-mono-off
}

# The resize grip dragged out, and a double click on the empty panel.
resize_steps() { # PREFIX UI_STEP
  local p=$1 ui=$2
  echo new $ui open grip=40,40,4 ticks=2 shot=$p-grip-resized
  echo dclick=$EMPTY ticks=2 shot=$p-empty-double-click
}

# Every state of a VST2 editor (Linux, Windows, GNUstep) at one UI size.
vst2_steps() { # PREFIX UI
  local p=$1 ui="ui=$2"
  programs_steps $p $ui 4 5 6 7 8
  banner_steps $p $ui program=6
  controls_steps $p $ui param=6,0
  buttons_steps $p $ui
  mono_steps $p $ui
  resize_steps $p $ui
}

# The Windows VST3 view: the host sizes it; programs are the Preset
# parameter's steps, the bypass the host's (97).
win_vst3_steps() { # PREFIX [SIZE_STEP]
  local p=$1 size=${2:-}
  echo new open $size ticks=2 shot=$p-fresh
  for n in 1 2 3 4 5; do echo program=$n ticks=2 shot=$p-program-$n; done
  timing_steps $p
  banner_steps $p "" program=3 | sed "s/ open / open $size /"
  controls_steps $p "" param=7,1 | sed "s/ open / open $size /"
  buttons_steps $p "" | sed "s/ open / open $size /g"
  mono_steps $p "" | sed "s/ open / open $size /"
  echo new open $size grip=40,40,4 ticks=2 shot=$p-grip-resized
}

# The AAX editors (Windows, GNUstep): one size, no host programs; presets
# by the step buttons, the effect switch is the "In" parameter.
aax_steps() { # PREFIX
  local p=$1
  echo new open ticks=2 shot=$p-fresh
  timing_steps $p
  banner_steps $p "" ""
  controls_steps $p "" param=6,1
  buttons_steps $p ""
}

# The GNUstep VST3 view: the host tool's modes (a large host size, the
# panel's size, the bypass on and on the edge) and the states.
mac_vst3_steps() { # PREFIX
  local p=$1
  echo new open ticks=2 shot=$p-fresh
  echo size=1000,600 ticks=2 shot=$p-size-1000x600 size=468,510 ticks=2 shot=$p-size-468x510
  echo bypass=0.7 ticks=2 shot=$p-bypass-07 bypass=0.5 ticks=2 shot=$p-bypass-05 bypass=0 ticks=2
  echo click=$SWITCH ticks=2 shot=$p-switch-pressed
  for n in 1 2 3 4 5; do echo program=$n ticks=2 shot=$p-program-$n; done
  timing_steps $p
  banner_steps $p "" program=3
  controls_steps $p "" param=7,1
  buttons_steps $p ""
  echo new open grip=40,40,4 ticks=2 shot=$p-grip-resized
}

# The Audio Unit view at one UI size (the unit's 1..2): plain values, the
# power button for the effect.
au_steps() { # PREFIX UI
  local p=$1 ui="ui=$2"
  echo new $ui open ticks=2 shot=$p-fresh
  timing_steps $p
  echo new $ui open drag=$BANNER,-40,0,4 ticks=2 shot=$p-banner-dragged
  echo param=1,-15 ticks=3 shot=$p-banner-dragged-param
  echo new $ui open drag=$THRESH,0,-60,3 ticks=2 shot=$p-knob-drag
  echo dclick=$THRESH ticks=2 shot=$p-double-click-reset wheel=$THRESH,3 ticks=2 shot=$p-knob-wheel
  echo meter=0 ticks=3 shot=$p-meter-0 meter=0.5 ticks=3 shot=$p-meter-half meter=1 ticks=3 shot=$p-meter-full
  echo meter=0 ticks=3 param=7,0 ticks=3 shot=$p-power-off-by-host param=7,1 ticks=3
  echo click=$COCOA_POWER ticks=2 shot=$p-power-clicked click=$COCOA_STATUS ticks=2 shot=$p-status
  echo click=$SWITCH ticks=2 shot=$p-switch-clicked
  echo param=2,8 close open ticks=2 shot=$p-reopened
  echo new $ui open grip=40,40,4 ticks=2 shot=$p-grip-resized
}
