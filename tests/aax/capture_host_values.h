#pragma once
// The host's values in the capture verb of the fake AAX hosts (Windows and
// GNUstep; tools/host_common/capture_script.h): param=I,V sets the value
// of the control with the other formats' index I as an AAX host does (the
// value, then ParameterUpdated to the GUI), meter=V is what 'Mtr1' reads
// at the editor's next poll (1 - V: a gain).
#include "capture_script.h"
#include "fake_host.h"

namespace fake {

inline bool capture_host_value(AAX_IACFEffectParameters_V2* params, AAX_IACFEffectGUI* gui, float& meter,
                               const capture::Step& s)
{
    static const char* const ids[] = {"InGain", "Thresh", "Attack", "Release", "Ratio", "Makeup", "In"};
    if (s.verb == capture::Verb::kMeter) {
        meter = static_cast<float>(1.0 - s.arg(0));
        return true;
    }
    const int i = s.iarg(0);
    if (s.verb != capture::Verb::kParam || i < 0 || i >= static_cast<int>(sizeof ids / sizeof ids[0]))
        return false;
    params->UpdateParameterNormalizedValue(ids[i], s.arg(1), 0);
    return gui->ParameterUpdated(ids[i]) == 0;
}

}  // namespace fake
