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
        afx_catrom_blit(*s.content, s.sink, {0, 0, s.sink.image_width, s.sink.image_height, 0, 0, scale});
        benchmark::DoNotOptimize(s.image.data());
    }
}
BENCHMARK(full_repaint)->Arg(1)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);

// The same repaint at scale 4 into the other backends' images: a 5-6-5
// XImage, one stored through a put callback (XPutPixel), the macOS RGBA
// pixmap and the Windows BGR DIB.
template <class Fill>
void repaint_into(benchmark::State& state, Fill fill)
{
    scene s(4.0f);
    const int w = s.sink.image_width, h = s.sink.image_height;
    for (auto _ : state) {
        fill(s, w, h);
        benchmark::DoNotOptimize(s.image.data());
    }
}

void full_repaint_565(benchmark::State& state)
{
    repaint_into(state, [](scene& s, int w, int h) {
        AFXPackedImageSink k = s.sink;
        k.red_mask = 0xF800, k.green_mask = 0x7E0, k.blue_mask = 0x1F;
        k.bits_per_pixel = 16, k.bytes_per_line = w * 2;
        afx_catrom_blit(*s.content, k, {0, 0, w, h, 0, 0, 4.0f});
    });
}

void full_repaint_put_pixel(benchmark::State& state)
{
    repaint_into(state, [](scene& s, int w, int h) {
        AFXPackedImageSink k = s.sink;
        k.put_ctx = &s.sink;
        k.put_pixel = [](void* ctx, int x, int y, uint32_t v) {
            auto* img = static_cast<AFXPackedImageSink*>(ctx);
            reinterpret_cast<uint32_t*>(img->data + y * img->bytes_per_line)[x] = v;
        };
        afx_catrom_blit(*s.content, k, {0, 0, w, h, 0, 0, 4.0f});
    });
}

void full_repaint_rgba(benchmark::State& state)
{
    repaint_into(state, [](scene& s, int w, int h) {
        AFXRgbaSink k;
        k.image_width = w, k.image_height = h, k.rowstride = w * 4;
        k.pixels = reinterpret_cast<uint8_t*>(s.image.data());
        afx_catrom_blit(*s.content, k, {0, 0, w, h, 0, 0, 4.0f});
    });
}

void full_repaint_bgr_dib(benchmark::State& state)
{
    repaint_into(state, [](scene& s, int w, int h) {
        AFXBgrDibSink k;
        k.image_width = w, k.image_height = h;
        k.bits = reinterpret_cast<uint8_t*>(s.image.data());  // 3-byte rows fit in the 4-byte image
        afx_catrom_blit(*s.content, k, {0, 0, w, h, 0, 0, 4.0f});
    });
}
BENCHMARK(full_repaint_565)->Unit(benchmark::kMillisecond);
BENCHMARK(full_repaint_put_pixel)->Unit(benchmark::kMillisecond);
BENCHMARK(full_repaint_rgba)->Unit(benchmark::kMillisecond);
BENCHMARK(full_repaint_bgr_dib)->Unit(benchmark::kMillisecond);

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
        value = value >= 97 ? 0 : value + 2.6f;  // a new frame every time
        k.set_rotary_control_value(value);
        k.redraw_rotary_control(s.content);
        int x, y, w, h;
        k.get_invalid_area(&x, &y, &w, &h);
        afx_catrom_blit(*s.content, s.sink,
                        {int(x * scale), int(y * scale), int(std::ceil(w * scale)), int(std::ceil(h * scale)),
                         0, 0, scale});
        benchmark::DoNotOptimize(s.image.data());
    }
}
BENCHMARK(knob_redraw)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);

}  // namespace
