#include "host_frame.h"

namespace {

LRESULT CALLBACK frame_procedure(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    return DefWindowProcA(w, m, wp, lp);
}

void register_class(const HostFrameStyle& style)
{
    WNDCLASSA wc{};
    if (GetClassInfoA(GetModuleHandleA(nullptr), style.window_class, &wc))
        return;
    wc.lpfnWndProc = frame_procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = style.window_class;
    if (style.black_background)
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    RegisterClassA(&wc);
}

}  // namespace

HWND make_host_frame(const HostFrameStyle& style, int width, int height)
{
    register_class(style);
    HWND w = CreateWindowExA(0, style.window_class, style.title, WS_POPUP | WS_VISIBLE | style.extra_style,
                             style.x, style.y, width, height, nullptr, nullptr, GetModuleHandleA(nullptr),
                             nullptr);
    if (style.settle_ms > 0)
        pump(style.settle_ms);
    return w;
}

namespace {

// Every message waiting now; answers whether one of them was a mouse message.
bool dispatch_waiting()
{
    bool mouse = false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        mouse |= msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST;
    }
    return mouse;
}

}  // namespace

void pump(int ms)
{
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    do {
        dispatch_waiting();
        Sleep(5);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

void pump_until_mouse_quiet(int quiet_ms, int max_ms)
{
    const DWORD start = GetTickCount();
    DWORD last = start;
    while (GetTickCount() - last < static_cast<DWORD>(quiet_ms) &&
           GetTickCount() - start < static_cast<DWORD>(max_ms)) {
        if (dispatch_waiting())
            last = GetTickCount();
        Sleep(5);
    }
}
