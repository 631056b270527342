#include "afx_window_glue.h"

#include <utility>

#include "afx/afx_engine_windows.h"
#include "editor_input_relay.h"

namespace vlt::editor {

namespace {

AfxWindowGlue* glue_of(void* user) { return static_cast<AfxWindowGlue*>(user); }

}  // namespace

AfxWindowGlue::AfxWindowGlue(AFX_engine* engine, CEditorCore& core, CPanelView& panel, WindowHooks hooks)
    : engine_(engine), core_(core), panel_(panel), hooks_(std::move(hooks))
{
}

void AfxWindowGlue::notice(WindowHooks::Notice notice) const
{
    if (hooks_.notice)
        hooks_.notice(notice);
}

void AfxWindowGlue::set_title(int index) const
{
    char title[256];
    if (hooks_.title && hooks_.title(title, sizeof title))
        window_ext(*engine_).set_afx_window_title(index, title);
}

bool AfxWindowGlue::load_panel(int index)
{
    if (panel_.create_gui_objects(index) < 0) {
        notice(WindowHooks::Notice::kNoWidgets);
        return false;
    }
    panel_.init_widgets(index);
    core_.set_widgets_ready();
    if (hooks_.before_init)
        hooks_.before_init();
    core_.init_editor();
    return true;
}

CEditorCore& AfxWindowGlue::core_of(void* user) { return glue_of(user)->core_; }

void AfxWindowGlue::start_callbacks(int index)
{
    window_ext(*engine_).set_gui_update_interval(core_.build().banner.tick_ms);
    relay_input<core_of>(*engine_, index);
    window_ext(*engine_).register_expose_callback(
        index, [](int x, int y, int w, int h, int, void* user) { glue_of(user)->expose(x, y, w, h); });
    window_ext(*engine_).register_window_destroy_callback(
        index, [](int, int, int i, void* user) { glue_of(user)->window_gone(i); });
    window_ext(*engine_).register_gui_update_callback(index, [](void* user) {
        glue_of(user)->tick();
        return true;
    });
}

void AfxWindowGlue::queue(const Rect& r)
{
    const int index = index_.load();
    if (engine_ && index >= 0)
        window_ext(*engine_).afx_queue_afx_draw_area_fixed(index, r.x, r.y, r.w, r.h);
}

void AfxWindowGlue::queue_all()
{
    const EditorSize& s = core_.size();
    queue({0, 0, s.width, s.height});
}

void AfxWindowGlue::tick()
{
    if (hooks_.before_tick)
        hooks_.before_tick();
    core_.gui_update_tick();
}

void AfxWindowGlue::window_gone(int index)
{
    core_.set_open(false);
    int expected = index;
    index_.compare_exchange_strong(expected, -1);
}

}  // namespace vlt::editor
