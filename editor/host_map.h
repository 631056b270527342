#pragma once
// Where each control lives in a plug-in format's host interface: one table
// per format, indexed by Control, made from the format's own table in the
// parameter model (the id of the quantity the control shows). A format
// names its parameters either by number (VST2, VST3, Audio Unit) or by
// text (AAX); a control the format does not publish as a parameter has
// neither.
#include "editor_controls.h"

namespace vlt::editor {

struct HostParam {
    int index;       // -1: none
    const char* id;  // null: none

    bool exists() const { return index >= 0 || id != nullptr; }
};

struct HostMap {
    const char* format;
    HostParam params[kControlCount];  // by Control
};

extern const HostMap kVst2Map;
extern const HostMap kVst3Map;  // the UI size travels as 98 / 99 through the view
extern const HostMap kAaxMap;   // the meter is polled as 'Mtr1', not a parameter
extern const HostMap kAuMap;

const HostParam& host_param(const HostMap& map, Control c);
// The control behind a host's parameter; false when it is none of ours.
bool control_of_index(const HostMap& map, int index, Control* c);
bool control_of_id(const HostMap& map, const char* id, Control* c);

}  // namespace vlt::editor
