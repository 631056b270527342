#pragma once
// One program: the host values of In Gain .. Effect, in the model's order,
// and a name.
#include <cstdint>

#include "param_index.h"
#include "relaxed.h"

struct CPlugProgram {
    static constexpr int kNameBytes = 24;  // at most 23 characters

    CPlugProgram();
    void set_name(const char* text);  // keeps at most 23 characters

    // Written by setParameter on whatever thread the host uses.
    vlt::Relaxed<float> value[vlt::params::kProgramValues];
    char name[kNameBytes];
};

// Fills nine programs: four user slots with the defaults, then the five
// named factory presets, each name led by its program number from 1.
void initFactoryPresets(CPlugProgram* programs, int32_t count);
