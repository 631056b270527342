#include "plug_program.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "start_values.h"

namespace Steinberg::Vst {

namespace params = ::vlt::params;

// A record starts as a new processor does.
CPlugProgram::CPlugProgram() : name{}
{
    std::copy(std::begin(params::kVst3StartValues), std::end(params::kVst3StartValues), value);
    std::snprintf(name, sizeof(name), "Default");
}

namespace vlt650 {

void buildFactoryPrograms(CPlugProgram (&programs)[kProgramCount])
{
    std::memcpy(programs[0].value, params::kDefaults, sizeof(programs[0].value));
    std::snprintf(programs[0].name, sizeof(programs[0].name), "Factory Defaults");
    for (int i = 0; i < params::kNamedPresets; ++i) {
        const params::FactoryPreset& preset = params::kNamedPresetTable[i];
        CPlugProgram& p = programs[i + 1];
        std::memcpy(p.value, preset.value, sizeof(p.value));
        std::snprintf(p.name, sizeof(p.name), "%02d - %s", i + 1, preset.name);
    }
}

}  // namespace vlt650
}  // namespace Steinberg::Vst
