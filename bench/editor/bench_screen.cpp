#include "bench_screen.h"

XSession& bench_session()
{
    // Tall enough for the largest editor (192 DPI, UI size 1: 936 x 2040),
    // which must lie on the screen to be read back.
    static XSession x([] {
        XvfbServer::options o;
        o.width = 1280;
        o.height = 2100;
        return o;
    }());
    return x;
}
