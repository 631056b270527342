#pragma once
// What a macOS host offers as an AAX view container of type 1: the content
// view of a borderless window on screen.
#include <memory>

#include "fake_host.h"

namespace fake {

class NSViewContainer {
public:
    NSViewContainer(int32_t type = AAX_eViewContainer_Type_NSView);
    ~NSViewContainer();
    void* view() const;            // the NSView*
    int subviewCount() const;
    void* lastSubview() const;     // null without one
    ViewContainer host;

private:
    void* window;
};

}  // namespace fake
