/* The parts of the AudioUnit framework our layer provides, under its
   umbrella name. */
#pragma once

#include <AudioUnit/AUComponent.h>
