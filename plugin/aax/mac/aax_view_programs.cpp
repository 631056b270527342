#include "aax_view_programs.h"

#include <cstdio>
#include <cstring>

namespace vlt::aax_view {

namespace {

void set(CPlugProgram& p, const char* name, const float (&value)[vlt::params::kProgramValues])
{
    std::memcpy(p.value, value, sizeof p.value);
    std::snprintf(p.name, sizeof p.name, "%s", name);
}

}  // namespace

void init_factory_presets(ProgramTable& table)
{
    for (CPlugProgram& p : table) {
        p = CPlugProgram{};
        std::snprintf(p.name, sizeof p.name, "Default");
    }
    set(table[0], "Manual", vlt::params::kDefaults);
    for (int i = 0; i < vlt::params::kNamedPresets; ++i) {
        const vlt::params::FactoryPreset& preset = vlt::params::kNamedPresetTable[i];
        char name[sizeof table[0].name];
        std::snprintf(name, sizeof name, "%02d %s", i + 1, preset.name);
        set(table[i + 1], name, preset.value);
    }
}

}  // namespace vlt::aax_view
