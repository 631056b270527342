#include "host_map.h"

#include <cstring>

#include "aax_param_ids.h"
#include "au_params.h"
#include "vst2_param_ids.h"
#include "vst3_param_ids.h"

namespace vlt::editor {

namespace {

constexpr HostParam kNone = {-1, nullptr};

// Each control's id is the format's id of the quantity the control shows.
template <class Map>
constexpr HostMap numbered(const char* format, const Map& map)
{
    HostMap m{format, {}};
    for (int i = 0; i < kControlCount; ++i) {
        const int id = params::id_of(map, model_index(static_cast<Control>(i)));
        m.params[i] = id >= 0 ? HostParam{id, nullptr} : kNone;
    }
    return m;
}

template <class Map>
constexpr HostMap named(const char* format, const Map& map)
{
    HostMap m{format, {}};
    for (int i = 0; i < kControlCount; ++i) {
        const char* id = params::id_of(map, model_index(static_cast<Control>(i)));
        m.params[i] = id ? HostParam{-1, id} : kNone;
    }
    return m;
}

}  // namespace

// The VST3 UI size travels as 98 / 99 through the view, not as a parameter.
constinit const HostMap kVst2Map = numbered("VST2", params::vst2::kParams);
constinit const HostMap kVst3Map = numbered("VST3", params::vst3::kParams);
constinit const HostMap kAaxMap = named("AAX", params::aax::kParams);
constinit const HostMap kAuMap = numbered("AU", params::au::kParams);

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
