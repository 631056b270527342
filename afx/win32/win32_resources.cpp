// The module's "BINARY" resource images, read in place, and the display
// scale from the screen's logical DPI.
#include "win32_engine_state.h"
#include "win32_pixels.h"

#include <algorithm>

const uint8_t* AFX_engine_win32::resource_stream(int resource_id)
{
    HINSTANCE module = afx_win32::module_instance();
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(resource_id), "BINARY");
    if (!found)
        return nullptr;
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    return afx_win32::checked_gdkp_stream(data, SizeofResource(module, found));
}

afx_pixbuf* AFX_engine_win32::afx_pixbuf_new_from_inline(int resource_id, int index)
{
    const uint8_t* stream = resource_stream(resource_id);
    return stream ? AFX_drawing::afx_pixbuf_new_from_inline(stream, index) : nullptr;
}

namespace {

// A host that is not DPI-aware is scaled by the system: we draw at 1.0.
bool process_dpi_aware()
{
    HMODULE user32 = LoadLibraryA("user32.dll");
    if (!user32)
        return true;
    using is_aware_fn = BOOL(WINAPI*)();
    auto is_aware =
        reinterpret_cast<is_aware_fn>(reinterpret_cast<void*>(GetProcAddress(user32, "IsProcessDPIAware")));
    const bool aware = !is_aware || is_aware();
    FreeLibrary(user32);
    return aware;
}

int screen_dpi(int* vertical, int* horizontal)
{
    HDC screen = GetDC(nullptr);
    const int x = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
    const int y = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    if (vertical)
        *vertical = y;
    if (horizontal)
        *horizontal = x;
    return std::max(x, y);
}

}  // namespace

float AFX_engine_windows::get_optimum_scale_factor()
{
    if (b_->scale_cache != 0.0f)
        return b_->scale_cache;
    float scale = 1.0f;
    if (b_->policy.detect_dpi && process_dpi_aware()) {
        const int dpi = screen_dpi(nullptr, nullptr);
        if (dpi > 96)
            scale = std::min(static_cast<float>(dpi) / 96.0f, 2.0f);
    }
    b_->scale_cache = scale;
    return scale;
}

int AFX_engine_windows::get_dpi(int* vertical, int* horizontal) { return screen_dpi(vertical, horizontal); }
