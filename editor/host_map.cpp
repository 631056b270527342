#include "host_map.h"

#include <cstring>

#include "params/aax_param_ids.h"
#include "params/vst3_param_ids.h"

namespace vlt::editor {

namespace {

constexpr HostParam kNone = {-1, nullptr};
constexpr HostParam at(int index) { return {index, nullptr}; }
constexpr HostParam named(const char* id) { return {-1, id}; }

}  // namespace

// Columns: In Gain, Threshold, Attack, Release, Ratio, Makeup, effect,
// meter, UI size, power.
const HostMap kVst2Map = {
    "VST2",
    {at(0), at(1), at(2), at(3), at(4), at(5), at(6), at(8), at(7), kNone},
};

namespace vst3 = Steinberg::Vst::vlt650;
const HostMap kVst3Map = {
    "VST3",
    {at(vst3::kInGainId), at(vst3::kThreshId), at(vst3::kAttackId), at(vst3::kReleaseId), at(vst3::kRatioId),
     at(vst3::kMakeupId), at(vst3::kBypassId), at(vst3::kMeterId), kNone, kNone},
};

const HostMap kAaxMap = {
    "AAX",
    {named(kVLT650_InGainID), named(kVLT650_ThreshID), named(kVLT650_AttackID), named(kVLT650_ReleaseID),
     named(kVLT650_RatioID), named(kVLT650_MakeupID), named(kVLT650_InID), kNone, kNone, kNone},
};

const HostMap kAuMap = {
    "AU",
    {at(0), at(1), at(3), at(4), at(2), at(5), at(6), at(8), at(9), at(7)},
};

const HostParam& host_param(const HostMap& map, Control c) { return map.params[control_number(c)]; }

bool control_of_index(const HostMap& map, int index, Control* c)
{
    for (int i = 0; index >= 0 && i < kControlCount; ++i)
        if (map.params[i].index == index) {
            *c = static_cast<Control>(i);
            return true;
        }
    return false;
}

bool control_of_id(const HostMap& map, const char* id, Control* c)
{
    for (int i = 0; id && i < kControlCount; ++i)
        if (map.params[i].id && std::strcmp(map.params[i].id, id) == 0) {
            *c = static_cast<Control>(i);
            return true;
        }
    return false;
}

}  // namespace vlt::editor
