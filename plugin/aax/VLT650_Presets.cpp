#include "VLT650_Presets.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

static_assert(vlt::params::kNamedPresets == kVLT650_PresetCount - 1);

namespace {

struct Table {
    VLT650_Preset records[kVLT650_PresetCount];

    Table()
    {
        for (VLT650_Preset& r : records)
            r = VLT650_Preset{{}, "Default"};
        std::snprintf(records[0].name, sizeof records[0].name, "Manual");
        for (int i = 1; i < kVLT650_PresetCount; ++i) {
            const vlt::params::FactoryPreset& f = vlt::params::kNamedPresetTable[i - 1];
            std::copy(std::begin(f.value), std::end(f.value), records[i].value);
            std::snprintf(records[i].name, sizeof records[i].name, "%02d %s", i, f.name);
        }
    }
};

}  // namespace

const VLT650_Preset& VLT650_preset(int index)
{
    static const Table table;
    return table.records[std::clamp(index, 0, kVLT650_PresetCount - 1)];
}
