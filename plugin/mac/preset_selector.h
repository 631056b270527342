#pragma once
// The preset step buttons of the VST2 and VST3 views: the first press only
// shows the current program's name; presses while a name still shows step
// through the programs. A name stops showing when any other text takes its
// place or, per build, when the banner turns to the version line or blank.
#include <cstdio>
#include <cstring>

#include "cocoa_view_core.h"

namespace vlt::mac {

class PresetSelector {
public:
    enum class SleepsAt { kVersion, kBlank };

    PresetSelector(int program_count, SleepsAt sleeps) : count_(program_count), sleeps_(sleeps) {}

    bool awake(const CocoaViewCore& core) const
    {
        const editor::BannerTiming& t = core.build().banner;
        const int until = sleeps_ == SleepsAt::kVersion ? t.version_at : t.blank_at;
        return shown_[0] != '\0' && std::strcmp(core.parameter_display(), shown_) == 0 &&
               core.banner_ticks() > until;
    }
    // The program one step from index, wrapping within the build's count.
    int step(int index, int direction) const { return ((index + direction) % count_ + count_) % count_; }
    void show(CocoaViewCore& core, const char* name)
    {
        std::snprintf(shown_, sizeof shown_, "%s", name);
        core.show_name(shown_);
    }

private:
    int count_;
    SleepsAt sleeps_;
    char shown_[64] = {};
};

}  // namespace vlt::mac
