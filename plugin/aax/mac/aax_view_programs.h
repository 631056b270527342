#pragma once
// The preset table the macOS AAX view owns and steps through with its two
// buttons: "Manual" (the defaults) then the five factory presets, in the
// record form of this build (seven host values and a 24-character name).
#include "plug_params.h"

namespace vlt::aax_view {

struct CPlugProgram {
    float value[vlt::params::kProgramValues];  // In Gain .. Makeup, effect in; all 0..1
    char name[24];
};

constexpr int kProgramCount = 1 + vlt::params::kNamedPresets;

// Fills every record: cleared and named "Default" first, then the factory
// names ("%02d Light Vocal" ...) and values.
void init_factory_presets(CPlugProgram (&table)[kProgramCount]);

}  // namespace vlt::aax_view
