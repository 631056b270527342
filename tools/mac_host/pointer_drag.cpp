#include "pointer_drag.h"

#include <cstdio>
#include <cstdlib>

namespace mac_host {

// The host window sits at the screen's top-left corner, so window points
// are the X server's. The editor gets a moment to show first; the move
// comes in two steps so the view sees a drag, not a jump.
bool start_drag(const std::string& spec)
{
    int x = 0, y = 0, dy = 0;
    if (std::sscanf(spec.c_str(), "%d,%d,%d", &x, &y, &dy) != 3)
        return false;
    char command[256];
    std::snprintf(command, sizeof command,
                  "(sleep 0.3; xdotool mousemove %d %d mousedown 1 sleep 0.1 mousemove %d %d sleep 0.1 "
                  "mousemove %d %d sleep 0.1 mouseup 1) >/dev/null 2>&1 &",
                  x, y, x, y + dy / 2, x, y + dy);
    if (std::system(command) != 0)
        std::fprintf(stderr, "could not start xdotool\n");
    std::printf("drag: %d,%d by %d\n", x, y, dy);
    return true;
}

}  // namespace mac_host
