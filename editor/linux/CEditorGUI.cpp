#include "CEditorGUI.h"

#include "editor_input_relay.h"

#include <unistd.h>

#include "plugin/vst2/CPlug.h"
#include "afx/afx_engine_windows.h"
#include "afx/x11/afx_engine_x11.h"
#include "afx_font_engine.h"
#include "panel_artwork.h"
#include "window_paint.h"

using namespace vlt::editor;

namespace {

CEditorGUI* self(void* user) { return static_cast<CEditorGUI*>(user); }

}  // namespace

CEditorGUI::CEditorGUI(CPlug* plug)
    // getRect answers false, as AEffEditor's does. No host sees it: CPlug's
    // dispatcher answers effEditGetRect with 1 once the rectangle is handed
    // out, and the host sizes its window from that rectangle alone.
    : Vst2EditorBase(plug, kLinuxVst2Build, false)
{
}

CEditorGUI::~CEditorGUI()
{
    if (G_GUI_engine) {
        if (core_.is_open())
            stop_editor();
        cleanup_gui_objects();
        AFX_drawing::afx_pixbuf_destroy(icon_);
        icon_ = nullptr;
        std::lock_guard<std::mutex> lock(editor_mutex_);
        if (window_image_)
            G_GUI_engine->afx_pixmap_destroy(window_image_);
        window_image_ = nullptr;
    }
}

bool CEditorGUI::open(void* parent)
{
    // A window the window system destroyed under us no longer counts.
    if (core_.is_open() && own_window_alive())
        return false;
    core_.set_open(false);
    start_editor(reinterpret_cast<afx_sys_window>(parent));
    systemWindow = core_.is_open() ? parent : nullptr;
    return false;
}

void CEditorGUI::close()
{
    if (core_.is_open())
        stop_editor();
    core_.set_open(false);
    systemWindow = nullptr;
}

void CEditorGUI::start_editor(afx_sys_window host_window)
{
    host_window_ = host_window;
    start_editor_main();
    usleep(250 * 1000);  // the GUI thread answers the first exposes meanwhile
}

void CEditorGUI::start_editor_main()
{
    if (!engine_running())
        return;
    AFX_engine* e = G_GUI_engine;
    AFX_engine_x11 x11 = x11_ext(*e);
    if (!x11.open_display_connection()) {
        log_line("** ERROR ** VLT650-VST: Unable to connect to X server");
        return;
    }
    const EditorSize s = size_for_open();

    const int index = x11.create_new_afx_window(0, 0, s.width, s.height, 1.0f, this);
    if (index < 0) {
        log_line("** ERROR ** VLT650-VST: Could not create GUI window");
        return;
    }
    window_ext(*e).set_afx_window_scale_factor(index, 1.0f);
    x11.set_afx_window_size_policy(s.width, s.height, s.width, s.height, s.width, s.height, 0, 0, index);
    x11.set_afx_window_class("hollowfx-ui", index);
    if (!icon_)
        icon_ = AFX_drawing::afx_pixbuf_new_from_inline(artwork(Artwork::kWindowIcon), index);
    if (icon_)
        x11.set_afx_window_icon(icon_, index);
    char title[256];
    copy_title(title, sizeof title);
    window_ext(*e).set_afx_window_title(index, title);
    x11.set_afx_window_type_wm_utility(index);
    x11.select_afx_input_events(index);

    if (create_gui_objects(index) < 0) {
        log_line("** ERROR ** VLT650-VST: Unable to allocate memory for GUI objects");
        window_ext(*e).destroy_afx_window(index);  // an unshown window must not keep its slot
        return;
    }
    window_index_.store(index);
    own_window_.store(window_ext(*e).get_SYS_window_idx_for_afx_window(index));
    init_widgets(index);
    core_.set_widgets_ready();
    core_.init_editor();
    draw_editor_window_contents();
    register_callbacks(index);
    window_ext(*e).set_gui_update_interval(core_.build().banner.tick_ms);

    for (int attempt = 0; attempt < 2; ++attempt) {
        if (x11.reparent_afx_window_to_SYS_window(index, host_window_) == 0)
            break;
        log_line("** INFO ** VLT650-VST: Host suplied window was not valid - retrying");
        usleep(100 * 1000);
    }
    window_ext(*e).show_afx_window(index);
    core_.set_open(true);
}

void CEditorGUI::replace_window_image(const EditorSize& s)
{
    const float d = core_.dpi_scale();
    if (window_image_)
        G_GUI_engine->afx_pixmap_destroy(window_image_);
    window_image_ = G_GUI_engine->afx_pixmap_create_fixed(s.width, s.height, 112, 112, 112,
                                                          static_cast<int>(20 * d), static_cast<int>(d),
                                                          static_cast<int>(8 * d), static_cast<int>(d));
}

void CEditorGUI::draw_editor_window_contents()
{
    {
        std::lock_guard<std::mutex> lock(editor_mutex_);
        replace_window_image(core_.size());
    }
    draw_panel();
}

void CEditorGUI::register_callbacks(int index)
{
    AFX_engine* e = G_GUI_engine;
    vlt::editor::relay_input<core_of>(*e, index);
    window_ext(*e).register_expose_callback(index, on_expose);
    window_ext(*e).register_window_destroy_callback(index, on_window_destroy);
    window_ext(*e).register_gui_update_callback(index, on_gui_update);
}

bool CEditorGUI::own_window_alive() const
{
    const int index = window_index_.load();
    const afx_sys_window mine = own_window_.load();
    return G_GUI_engine && index >= 0 && mine != 0 &&
           window_ext(*G_GUI_engine).get_SYS_window_idx_for_afx_window(index) == mine;
}

void CEditorGUI::stop_editor()
{
    if (!core_.is_open())
        return;
    core_.set_open(false);
    // A slot freed by the window system may already serve another editor.
    if (own_window_alive())
        window_ext(*G_GUI_engine).destroy_afx_window(window_index_.load());
    window_index_.store(-1);
    own_window_.store(0);
}

// --- screen side (GUI thread) -----------------------------------------------------

void CEditorGUI::queue_rect(const Rect& r)
{
    const int index = window_index_.load();
    if (G_GUI_engine && index >= 0)
        window_ext(*G_GUI_engine).afx_queue_afx_draw_area_fixed(index, r.x, r.y, r.w, r.h);
}

void CEditorGUI::repaint_all()
{
    const EditorSize& s = core_.size();
    queue_rect({0, 0, s.width, s.height});
}

void CEditorGUI::resize_window(const EditorSize&, const EditorSize& to)
{
    if (!G_GUI_engine)
        return;
    std::lock_guard<std::mutex> lock(editor_mutex_);
    const int index = window_index_.load();
    if (window_image_ && index >= 0) {
        window_ext(*G_GUI_engine).afx_window_resize(index, to.width, to.height);
        replace_window_image(to);
    }
}

void CEditorGUI::expose_handler(int x, int y, int w, int h)
{
    const WindowPaint paint{G_GUI_engine, window_index_.load(), &window_image_, content(), &editor_mutex_};
    paint_window_rect(paint, core_.size(), core_.mono(), core_.dpi_scale(), x, y, w, h);
}

// --- trampolines ----------------------------------------------------------------------

vlt::editor::CEditorCore& CEditorGUI::core_of(void* user) { return self(user)->core_; }

void CEditorGUI::on_expose(int x, int y, int w, int h, int, void* user)
{
    self(user)->expose_handler(x, y, w, h);
}

void CEditorGUI::on_window_destroy(int, int, int index, void* user)
{
    CEditorGUI* ed = self(user);
    int expected = index;
    ed->core_.set_open(false);
    ed->window_index_.compare_exchange_strong(expected, -1);
    ed->own_window_.store(0);
}

bool CEditorGUI::on_gui_update(void* user)
{
    self(user)->core_.gui_update_tick();
    return true;
}
