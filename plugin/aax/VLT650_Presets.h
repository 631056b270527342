#pragma once
// The AAX editor's own preset table: AAX keeps no program list, so the
// editor holds the records its preset buttons step through. Record 0
// ("Manual") is only the start; 1..5 are the factory presets.
#include "plug_params.h"

struct VLT650_Preset {
    float value[vlt::params::kProgramValues];  // In Gain .. In, normalized
    char name[24];
};

constexpr int kVLT650_PresetCount = 6;

const VLT650_Preset& VLT650_preset(int index);  // index clamped to the table
