#pragma once
// What an editor adds to the open and the tick of a glue that owns its
// window (X11, Win32), handed over as data: its title, what it says when a
// step of the open fails, the host's values before the core loads them,
// and work before each tick. An empty hook does nothing. Each runs on the
// thread of the glue call that reaches it (open: the host's UI thread;
// before_tick: the window's thread).
#include <cstddef>
#include <functional>

namespace vlt::editor {

struct WindowHooks {
    enum class Notice {
        kNoWindow,       // the window could not be made: the open ends
        kNoWidgets,      // nor the widgets in it: the open ends, the window goes
        kReparentRetry,  // the host's window refused ours; tried again
    };

    // The window's title into text (size bytes); false keeps the engine's.
    std::function<bool(char* text, std::size_t size)> title;
    std::function<void(Notice notice)> notice;
    // Widgets ready, before the core loads them: the host's values now.
    std::function<void()> before_init;
    // Each GUI tick, before the core's.
    std::function<void()> before_tick;
};

}  // namespace vlt::editor
