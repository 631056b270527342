// What our CoreGraphics objects are under GNUstep; private to the layer and
// its tests.
#pragma once

#include <CoreGraphics/CoreGraphics.h>

#import <AppKit/AppKit.h>

struct CGColorSpace {
    bool generic;  // else device RGB
};

struct CGContext {
    NSGraphicsContext* view = nil;  // a view context when set, else a bitmap
    unsigned char* data = nullptr;
    size_t width = 0, height = 0, bytes_per_row = 0;
    bool generic = true;
};

struct CGImage {
    NSBitmapImageRep* rep = nil;  // over the bitmap context's memory
};
