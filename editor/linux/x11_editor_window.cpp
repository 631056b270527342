#include "x11_editor_window.h"

#include <unistd.h>

#include "afx/afx_engine_windows.h"
#include "afx/x11/afx_engine_x11.h"
#include "panel_artwork.h"
#include "window_paint.h"

namespace vlt::editor {

namespace {

constexpr char kWindowClass[] = "hollowfx-ui";
constexpr int kReparentAttempts = 2;
constexpr useconds_t kReparentPause = 100 * 1000;

}  // namespace

X11EditorWindow::~X11EditorWindow()
{
    if (!engine_)
        return;
    close();
    AFX_drawing::afx_pixbuf_destroy(icon_);
    icon_ = nullptr;
    std::lock_guard<std::mutex> lock(image_mutex_);
    if (window_image_)
        engine_->afx_pixmap_destroy(window_image_);
    window_image_ = nullptr;
}

bool X11EditorWindow::connect() { return engine_ && x11_ext(*engine_).open_display_connection(); }

bool X11EditorWindow::open(afx_sys_window parent)
{
    core_.set_open(false);
    if (!engine_)
        return false;
    AFX_engine* e = engine_;
    AFX_engine_x11 x11 = x11_ext(*e);
    const EditorSize s = core_.size();
    const int index = x11.create_new_afx_window(0, 0, s.width, s.height, 1.0f, callback_user());
    if (index < 0) {
        notice(WindowHooks::Notice::kNoWindow);
        return false;
    }
    window_ext(*e).set_afx_window_scale_factor(index, 1.0f);
    // Fixed: the host cannot resize the window.
    x11.set_afx_window_size_policy(s.width, s.height, s.width, s.height, s.width, s.height, 0, 0, index);
    x11.set_afx_window_class(kWindowClass, index);
    if (!icon_)
        icon_ = AFX_drawing::afx_pixbuf_new_from_inline(artwork(Artwork::kWindowIcon), index);
    if (icon_)
        x11.set_afx_window_icon(icon_, index);
    set_title(index);
    x11.set_afx_window_type_wm_utility(index);
    x11.select_afx_input_events(index);

    if (!load_panel(index)) {
        window_ext(*e).destroy_afx_window(index);  // an unshown window must not keep its slot
        return false;
    }
    index_.store(index);
    own_window_.store(window_ext(*e).get_SYS_window_idx_for_afx_window(index));
    draw_window_contents();
    start_callbacks(index);

    for (int attempt = 0; attempt < kReparentAttempts; ++attempt) {
        if (x11.reparent_afx_window_to_SYS_window(index, parent) == 0)
            break;
        notice(WindowHooks::Notice::kReparentRetry);
        usleep(kReparentPause);
    }
    window_ext(*e).show_afx_window(index);
    core_.set_open(true);
    return true;
}

void X11EditorWindow::replace_window_image(const EditorSize& s)
{
    const float d = core_.dpi_scale();
    if (window_image_)
        engine_->afx_pixmap_destroy(window_image_);
    window_image_ =
        engine_->afx_pixmap_create_fixed(s.width, s.height, 112, 112, 112, static_cast<int>(20 * d),
                                         static_cast<int>(d), static_cast<int>(8 * d), static_cast<int>(d));
}

// On the host's thread, before any callback is registered.
void X11EditorWindow::draw_window_contents()
{
    {
        std::lock_guard<std::mutex> lock(image_mutex_);
        replace_window_image(core_.size());
    }
    panel_.draw_panel();
}

bool X11EditorWindow::own_window_alive() const
{
    const int index = index_.load();
    const afx_sys_window mine = own_window_.load();
    return engine_ && index >= 0 && mine != 0 &&
           window_ext(*engine_).get_SYS_window_idx_for_afx_window(index) == mine;
}

bool X11EditorWindow::is_open() const { return core_.is_open() && own_window_alive(); }

void X11EditorWindow::close()
{
    if (!core_.is_open())
        return;
    core_.set_open(false);
    // A slot freed by the window system may already serve another editor.
    if (own_window_alive())
        window_ext(*engine_).destroy_afx_window(index_.load());
    index_.store(-1);
    own_window_.store(0);
}

// --- GUI thread ---------------------------------------------------------------------

void X11EditorWindow::resize(const EditorSize&, const EditorSize& to)
{
    if (!engine_)
        return;
    std::lock_guard<std::mutex> lock(image_mutex_);
    const int index = index_.load();
    if (window_image_ && index >= 0) {
        window_ext(*engine_).afx_window_resize(index, to.width, to.height);
        replace_window_image(to);
    }
}

void X11EditorWindow::expose(int x, int y, int w, int h)
{
    const WindowPaint paint{engine_, index_.load(), &window_image_, panel_.content(), &image_mutex_};
    paint_window_rect(paint, core_.size(), core_.mono(), core_.dpi_scale(), x, y, w, h);
}

void X11EditorWindow::window_gone(int index)
{
    AfxWindowGlue::window_gone(index);
    own_window_.store(0);
}

}  // namespace vlt::editor
