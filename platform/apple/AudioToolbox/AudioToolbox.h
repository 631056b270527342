/* The parts of the AudioToolbox framework our layer provides, under its
   umbrella name. */
#pragma once

#include <AudioToolbox/AudioUnitUtilities.h>
