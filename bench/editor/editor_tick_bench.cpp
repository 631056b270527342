// One GUI tick with the meter moving, as the editor's GUI thread runs it:
// a new meter value from the audio side, the tick that redraws the meter
// into the panel, and the expose of its scaled rectangle on screen.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

#include "afx/x11/afx_engine_x11.h"
#include "afx_font_engine.h"
#include "editor_core.h"
#include "panel_glue_fixture.h"
#include "panel_view.h"
#include "window_paint.h"

#include "bench_screen.h"  // Xlib last: its macros clash with the headers above

namespace {

using namespace vlt::editor;

using test::QuietHost;
using test::RecordingGlue;

void BM_MeterTick(benchmark::State& state)
{
    const float ui = static_cast<float>(state.range(0));
    if (!bench_session().ok()) {  // also points DISPLAY at the server
        state.SkipWithError("no Xvfb");
        return;
    }
    setenv("QELM_UI_DPI", std::to_string(state.range(1)).c_str(), 1);
    AFX_engine engine;
    if (!x11_ext(engine).open_display_connection()) {
        state.SkipWithError("no display");
        return;
    }
    AFX_font_engine font(&engine);
    QuietHost host;
    CPanelView panel(&engine, &font);
    CEditorCore core(kLinuxVst2Build, host, panel);
    RecordingGlue glue(core);
    panel.attach(core, glue);
    core.set_control(Control::kUiSize, ui);
    const float s = window_ext(engine).get_optimum_scale_factor();
    const EditorSize size = core.apply_size_rule(s);

    const int index = x11_ext(engine).create_new_afx_window(0, 0, size.width, size.height, 1.0f, nullptr);
    window_ext(engine).show_afx_window(index);
    afx_image* image =
        engine.afx_pixmap_create_fixed(size.width, size.height, 112, 112, 112, static_cast<int>(20 * s),
                                       static_cast<int>(s), static_cast<int>(8 * s), static_cast<int>(s));
    if (index < 0 || !image || panel.create_gui_objects(index) < 0) {
        state.SkipWithError("no window");
        return;
    }
    panel.init_widgets(index);
    core.set_widgets_ready();
    core.init_editor();
    panel.draw_panel();
    core.set_open(true);
    std::mutex image_mutex;
    const WindowPaint paint{&engine, index, &image, panel.content(), &image_mutex};
    paint_window_rect(paint, size, false, s, 0, 0, size.width, size.height);

    long n = 0, pixels = 0;
    glue.queued.reserve(16);
    for (auto _ : state) {
        core.set_control(Control::kMeter, (++n & 1) ? 0.8f : 0.2f);  // a different frame every tick
        core.gui_update_tick();
        for (const Rect& r : glue.queued) {
            paint_window_rect(paint, size, false, s, r.x, r.y, r.w, r.h);
            pixels += static_cast<long>(r.w) * r.h;
        }
        glue.queued.clear();
        x11_ext(engine).afx_lock_display();
        XSync(x11_ext(engine).get_xdisplay(), False);  // the server's part of the put counts too
        x11_ext(engine).afx_unlock_display();
    }
    state.counters["px/tick"] = benchmark::Counter(static_cast<double>(pixels) / n);

    panel.cleanup_gui_objects();
    engine.afx_pixmap_destroy(image);
    window_ext(engine).destroy_afx_window(index);
    x11_ext(engine).close_display_connection();
}
BENCHMARK(BM_MeterTick)
    ->ArgNames({"ui", "dpi"})
    ->Args({0, 96})
    ->Args({1, 96})
    ->Args({0, 192})
    ->Args({1, 192})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
