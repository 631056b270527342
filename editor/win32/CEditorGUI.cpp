#include "CEditorGUI.h"

#include "editor_input_relay.h"

#include <cstdio>

#include "CPlug.h"

using namespace vlt::editor;

namespace {

CEditorGUI* self(void* user) { return static_cast<CEditorGUI*>(user); }

void log_line(const char* text)
{
    std::printf("%s\n", text);
    std::fflush(stdout);
}

}  // namespace

CEditorGUI::CEditorGUI(CPlug* plug)
    : CPlugEditor(plug), CPanelView(G_GUI_engine, G_FONT_engine), plug_(plug), host_(plug),
      core_(kWindowsVst2Build, host_, *this), window_(G_GUI_engine)
{
    attach(&core_);
}

CEditorGUI::~CEditorGUI()
{
    close();
    if (G_GUI_engine)
        cleanup_gui_objects();
}

bool CEditorGUI::getRect(ERect** rect)
{
    if (!rect)
        return false;
    rect_ = {0, 0, 510, 144};
    if (G_GUI_engine) {
        const EditorSize s = size_rule(host_.ui_size(), G_GUI_engine->get_optimum_scale_factor());
        rect_.bottom = static_cast<int16_t>(s.height);
        rect_.right = static_cast<int16_t>(s.width);
    }
    *rect = &rect_;
    return true;
}

bool CEditorGUI::open(void* parent)
{
    if (isOpen())
        return false;
    close();
    start_editor(reinterpret_cast<afx_sys_window>(parent));
    systemWindow = isOpen() ? parent : nullptr;
    return isOpen();
}

void CEditorGUI::close()
{
    core_.set_open(false);
    window_.destroy();
    systemWindow = nullptr;
}

void CEditorGUI::start_editor(afx_sys_window host_window)
{
    host_window_ = host_window;
    start_editor_main();
}

void CEditorGUI::start_editor_main()
{
    AFX_engine* e = G_GUI_engine;
    if (!e) {
        log_line("** ERROR ** VLT650-VST: GUI Engine is not running or was not started");
        return;
    }
    core_.set_control(Control::kUiSize, host_.ui_size());
    const EditorSize s = core_.apply_size_rule(e->get_optimum_scale_factor());
    if (!window_.create(host_window_, s, this)) {
        log_line("** ERROR ** VLT650-VST: Could not create GUI window");
        return;
    }
    const int index = window_.index();
    {
        std::lock_guard<std::mutex> lock(title_mutex_);
        e->set_afx_window_title(index, title_);
    }
    if (create_gui_objects(index) < 0) {
        log_line("** ERROR ** VLT650-VST: Unable to allocate memory for GUI objects");
        window_.destroy();
        return;
    }
    init_widgets(index);
    core_.set_widgets_ready();
    core_.init_editor();
    window_.make_back_buffer(core_.size(), core_.dpi_scale());
    draw_panel();
    e->set_gui_update_interval(core_.build().banner.tick_ms);
    register_callbacks(index);
    window_.show();
    core_.set_open(true);
}

// The GUI-update callback goes last: registering it starts the timer.
void CEditorGUI::register_callbacks(int index)
{
    AFX_engine* e = G_GUI_engine;
    vlt::editor::relay_input<core_of>(*e, index);
    e->register_expose_callback(index, on_expose);
    e->register_window_destroy_callback(index, on_window_destroy);
    e->register_gui_update_callback(index, on_gui_update);
}

// --- plug-in calls, any thread ------------------------------------------------

void CEditorGUI::setParameter(int32_t index, float value) { core_.set_host_parameter(index, value); }

void CEditorGUI::setProgram(int32_t program)
{
    char name[64] = {};
    host_.program_name(name);
    core_.set_program(program, name);
}

void CEditorGUI::set_plugin_name(const char* title)
{
    std::lock_guard<std::mutex> lock(title_mutex_);
    std::snprintf(title_, sizeof title_, "%s", title ? title : "");
}

void CEditorGUI::setHostEffEnable(float enable) { core_.set_host_eff_enable(enable); }

// --- screen side ---------------------------------------------------------------

void CEditorGUI::queue_rect(const Rect& r) { window_.queue(r.x, r.y, r.w, r.h); }

void CEditorGUI::repaint_all()
{
    const EditorSize& s = core_.size();
    window_.queue(0, 0, s.width, s.height);
}

void CEditorGUI::resize_window(const EditorSize& from, const EditorSize& to)
{
    window_.request_size(from, to, core_.dpi_scale());
}

// --- trampolines -----------------------------------------------------------------

vlt::editor::CEditorCore& CEditorGUI::core_of(void* user) { return self(user)->core_; }

void CEditorGUI::on_expose(int x, int y, int w, int h, int, void* user)
{
    CEditorGUI* ed = self(user);
    ed->window_.expose(ed->content(), ed->core_.size(), ed->core_.mono(), ed->core_.dpi_scale(), x,
                       y, w, h);
}

// The host destroyed our window with its own: the slot is free again and
// may soon hold another editor's window, so this editor lets go of it.
void CEditorGUI::on_window_destroy(int, int, int index, void* user)
{
    CEditorGUI* ed = self(user);
    ed->core_.set_open(false);
    ed->window_.forget(index);
}

bool CEditorGUI::on_gui_update(void* user)
{
    CEditorGUI* ed = self(user);
    ed->window_.apply_pending_size();
    ed->core_.gui_update_tick();
    return true;
}
