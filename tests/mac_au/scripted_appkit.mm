#include "scripted_appkit.h"

#import <AppKit/AppKit.h>

#include <objc/runtime.h>

#include <cstdint>

namespace {

double g_scale = 1.0;
bool g_inverted = false;
IMP g_screen_scale = nullptr;
IMP g_window_scale = nullptr;

CGFloat scripted_scale(id, SEL) { return g_scale; }

// A BOOL comes back in the low byte of the register; the rest is whatever
// the method left there. Answering "no" with the rest set catches a caller
// that reads the whole register.
std::uintptr_t scripted_inverted(id, SEL) { return g_inverted ? 1 : 0x100; }

// Through a function pointer without arguments, which -Wcast-function-type
// lets any function type become.
template <class F>
IMP as_imp(F* f)
{
    return reinterpret_cast<IMP>(reinterpret_cast<void (*)()>(f));
}

IMP replace_scale(Class cls, IMP with)
{
    return method_setImplementation(class_getInstanceMethod(cls, @selector(backingScaleFactor)), with);
}

}  // namespace

ScopedBackingScale::ScopedBackingScale(double scale)
{
    g_scale = scale;
    g_screen_scale = replace_scale([NSScreen class], as_imp(scripted_scale));
    g_window_scale = replace_scale([NSWindow class], as_imp(scripted_scale));
}

ScopedBackingScale::~ScopedBackingScale()
{
    replace_scale([NSScreen class], g_screen_scale);
    replace_scale([NSWindow class], g_window_scale);
}

void ScopedBackingScale::set(double scale) { g_scale = scale; }

void set_inverted_scrolling(bool inverted)
{
    g_inverted = inverted;
    class_replaceMethod([NSEvent class], NSSelectorFromString(@"isDirectionInvertedFromDevice"),
                        as_imp(scripted_inverted), "c@:");
}
