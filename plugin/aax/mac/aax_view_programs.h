#pragma once
// The preset table the macOS AAX view owns and steps through with its two
// buttons: "Manual" (the defaults) then the five factory presets, in the
// record form of this build (seven host values and a 24-character name).
#include "VLT650_Presets.h"

namespace vlt::aax_view {

// Seven values (In Gain .. Makeup, effect in; all 0..1) and a name.
using CPlugProgram = VLT650_Preset;

constexpr int kProgramCount = kVLT650_PresetCount;
using ProgramTable = CPlugProgram[kProgramCount];

// Fills every record: cleared and named "Default" first, then the factory
// names ("%02d Light Vocal" ...) and values.
void init_factory_presets(ProgramTable& table);

}  // namespace vlt::aax_view
