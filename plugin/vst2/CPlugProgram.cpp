#include "CPlugProgram.h"

#include <cstdio>
#include <cstring>

#include "plug_params.h"

namespace params = vlt::params;

CPlugProgram::CPlugProgram()
{
    for (int k = 0; k < params::kProgramValues; ++k)
        value[k] = params::kDefaults[k];
    set_name("Default");
}

void CPlugProgram::set_name(const char* text)
{
    std::size_t n = 0;
    while (n < kNameBytes - 1 && text[n] != '\0')
        ++n;
    std::memcpy(name, text, n);
    name[n] = '\0';
}

void initFactoryPresets(CPlugProgram* programs, int32_t count)
{
    constexpr int kUserSlots = 4;
    char text[64];
    for (int32_t i = 0; i < count; ++i) {
        const int number = i + 1;
        CPlugProgram& p = programs[i];
        if (i < kUserSlots) {
            std::snprintf(text, sizeof text, "%02d User Preset %d", number, number);
            for (int k = 0; k < params::kProgramValues; ++k)
                p.value[k] = params::kDefaults[k];
        } else if (i - kUserSlots < params::kNamedPresets) {
            const params::FactoryPreset& f = params::kNamedPresetTable[i - kUserSlots];
            std::snprintf(text, sizeof text, "%02d %s", number, f.name);
            for (int k = 0; k < params::kProgramValues; ++k)
                p.value[k] = f.value[k];
        } else {
            continue;
        }
        p.set_name(text);
    }
}
