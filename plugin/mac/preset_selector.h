#pragma once
// The preset step buttons of the VST2, VST3 and AAX views: the first press
// only shows the current program's name; presses while a name still shows
// step through the build's programs. A name stops showing when any other text takes its
// place or, per build, when the banner turns to the version line or blank.
#include <cstdio>
#include <cstring>

#include "cocoa_view_core.h"

namespace vlt::mac {

class PresetSelector {
public:
    enum class SleepsAt { kVersion, kBlank };

    PresetSelector(const editor::EditorBuild& build, SleepsAt sleeps) : build_(build), sleeps_(sleeps) {}

    bool awake(const CocoaViewCore& core) const
    {
        const editor::BannerTiming& t = core.build().banner;
        const int until = sleeps_ == SleepsAt::kVersion ? t.version_at : t.blank_at;
        return shown_[0] != '\0' && std::strcmp(core.parameter_display(), shown_) == 0 &&
               core.banner_ticks() > until;
    }
    int step(int index, int direction) const { return build_.step_program(index, direction); }
    void show(CocoaViewCore& core, const char* name)
    {
        std::snprintf(shown_, sizeof shown_, "%s", name);
        core.show_name(shown_);
    }

private:
    const editor::EditorBuild& build_;
    SleepsAt sleeps_;
    char shown_[64] = {};
};

}  // namespace vlt::mac
