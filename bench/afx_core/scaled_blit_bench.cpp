// Full-panel repaint through the Catmull-Rom scaler at each content scale,
// and a single knob redraw (frame change plus its scaled rectangle).
#include "afx_artwork.h"
#include "afx_rotary.h"
#include "afx_scaled_blit.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

using D = AFX_drawing;

struct scene {
    afx_pixbuf* content = D::afx_pixbuf_new_with_allocation(144, 510, 0);
    afx_pixbuf* panel = D::afx_pixbuf_new_from_inline(afx_art_front_panel, 0);
    afx_pixbuf* knob = D::afx_pixbuf_new_from_inline(afx_art_knob_strip, 0);
    std::vector<uint32_t> image;
    AFXPackedImageSink sink;

    explicit scene(float scale)
    {
        D::afx_pixbuf_copy(panel, content, 0, 0, 0, 16, 144, 494);
        sink.image_width = int(std::lround(144 * scale));
        sink.image_height = int(std::lround(510 * scale));
        image.assign(size_t(sink.image_width) * sink.image_height, 0);
        sink.red_mask = 0xFF0000, sink.green_mask = 0xFF00, sink.blue_mask = 0xFF;
        sink.data = reinterpret_cast<uint8_t*>(image.data());
        sink.bytes_per_line = sink.image_width * 4;
    }
    ~scene()
    {
        D::afx_pixbuf_destroy_with_allocation(content);
        D::afx_pixbuf_destroy(panel);
        D::afx_pixbuf_destroy(knob);
    }
};

void full_repaint(benchmark::State& state)
{
    const float scale = float(state.range(0));
    scene s(scale);
    for (auto _ : state) {
        afx_catrom_blit(*s.content, s.sink,
                        {0, 0, s.sink.image_width, s.sink.image_height, 0, 0, scale});
        benchmark::DoNotOptimize(s.image.data());
    }
}
BENCHMARK(full_repaint)->Arg(1)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);

void knob_redraw(benchmark::State& state)
{
    const float scale = float(state.range(0));
    scene s(scale);
    CRotaryControlObject k(nullptr);
    k.set_rotary_control_pixbuf(s.knob);
    k.set_front_panel_pixbuf(s.panel);
    k.set_rotary_control_nframes(39);
    k.set_rotary_control_size_x(48);
    k.set_rotary_control_size_y(48);
    k.set_rotary_control_pos_x(101);
    k.set_rotary_control_pos_y(109);
    k.set_offset_y(16);
    k.draw_rotary_control(s.content);
    float value = 0;
    for (auto _ : state) {
        value = value >= 97 ? 0 : value + 2.6f; // a new frame every time
        k.set_rotary_control_value(value);
        k.redraw_rotary_control(s.content);
        int x, y, w, h;
        k.get_invalid_area(&x, &y, &w, &h);
        afx_catrom_blit(*s.content, s.sink,
                        {int(x * scale), int(y * scale), int(std::ceil(w * scale)),
                         int(std::ceil(h * scale)), 0, 0, scale});
        benchmark::DoNotOptimize(s.image.data());
    }
}
BENCHMARK(knob_redraw)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);

} // namespace
