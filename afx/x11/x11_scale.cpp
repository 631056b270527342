// Display scale from the screen's measured DPI, or from QELM_UI_DPI.
#include "x11_engine_state.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

float scale_for_dpi(int dpi)
{
    const float s = static_cast<float>(dpi) / 96.0f;
    if (s < 1.0f)
        return 1.0f;
    if (s > 2.0f)
        return 2.0f;
    return std::floor(8.0f * s) / 8.0f;  // steps of 1/8
}

}  // namespace

float AFX_engine_windows::get_optimum_scale_factor()
{
    if (b_->scale_cache != 0.0f)
        return b_->scale_cache;
    // A private connection: the engine's own may not be open yet.
    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr) {
        b_->scale_cache = 1.0f;
        return 1.0f;
    }
    const int screen = DefaultScreen(d);
    const double w = DisplayWidth(d, screen), h = DisplayHeight(d, screen);
    const double wmm = DisplayWidthMM(d, screen), hmm = DisplayHeightMM(d, screen);
    const float diag_px = static_cast<float>(std::sqrt(w * w + h * h));
    const float diag_mm = static_cast<float>(std::sqrt(wmm * wmm + hmm * hmm));
    XCloseDisplay(d);

    int dpi = 0;
    if (const char* env = std::getenv("QELM_UI_DPI"))
        dpi = static_cast<int>(std::strtol(env, nullptr, 10));
    else if (diag_mm > 0.0f)
        dpi = static_cast<int>(diag_px / (diag_mm / 25.4f));
    std::printf("QELM-UI: UI dpi %d\n", dpi);

    const float scale = scale_for_dpi(dpi);
    b_->scale_cache = scale;
    std::printf("QELM-UI: UI scale %.01f %%\n", 100.0 * scale);
    std::fflush(stdout);
    return scale;
}

int AFX_engine_windows::get_dpi(int* vertical, int* horizontal)
{
    afx_lock dl(b_->display_mx);
    if (!b_->connected())
        return 0;
    Display* d = b_->display;
    const int screen = DefaultScreen(d);
    const int hmm = DisplayHeightMM(d, screen), wmm = DisplayWidthMM(d, screen);
    if (hmm > 0)
        *vertical = static_cast<int>(DisplayHeight(d, screen) / (hmm / 25.4));
    if (wmm > 0)
        *horizontal = static_cast<int>(DisplayWidth(d, screen) / (wmm / 25.4));
    return ScreenCount(d);
}
