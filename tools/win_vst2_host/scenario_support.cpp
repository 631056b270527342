#include "scenario_support.h"

#include <cstdio>

const char* const kEditorClass = "9B2E6F01C4A8-UI";

namespace {
int g_failures = 0;
}

void check(bool ok, const char* what, long a, long b)
{
    if (!ok) {
        std::printf("FAIL: %s (%ld, %ld)\n", what, a, b);
        ++g_failures;
    }
}

int failures() { return g_failures; }

HWND editor_child(HWND frame) { return FindWindowExA(frame, nullptr, kEditorClass, nullptr); }

OpenEditor open_editor(HostModule& m)
{
    AEffect* e = m.new_instance();
    HWND frame = make_frame(1000, 1100);
    if (!e)
        return {nullptr, frame, nullptr};
    const intptr_t opened = dispatch(e, effEditOpen, 0, 0, frame);
    check(opened == 1, "effEditOpen answers 1", opened);
    pump(150);
    g_calls = {};  // only what the test itself does counts
    return {e, frame, editor_child(frame)};
}

Gestures gestures()
{
    Gestures g{g_calls.begin_edit[kKnobParam], g_calls.end_edit[kKnobParam], 0};
    for (int i = 0; i < HostCalls::kParams; ++i)
        if (i != kKnobParam)
            g.others += g_calls.begin_edit[i];
    return g;
}

LPARAM at(int x, int y) { return MAKELPARAM(x, y); }

SIZE window_size(HWND w)
{
    RECT r{};
    GetWindowRect(w, &r);
    return {r.right - r.left, r.bottom - r.top};
}
