#pragma once
// The pointer moved by xdotool, as a user would, for the host tools'
// --drag option: both tools drive their editor the same way.
#include <string>

namespace mac_host {

// Parses "X,Y,DY" (window points; DY 0 is a plain click) and starts
// xdotool in the background, so the run loop that follows takes the
// events. Prints "drag: X,Y by DY"; false when the text does not parse.
bool start_drag(const std::string& spec);

}  // namespace mac_host
