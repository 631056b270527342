// The Quartz context of the view being drawn. On a Mac the views take
// [[NSGraphicsContext currentContext] CGContext]; under GNUstep that port is
// no CGContext of ours, so the views ask here. Valid during drawRect: only;
// the caller releases it with CGContextRelease.
#pragma once

#include <CoreGraphics/CoreGraphics.h>

CGContextRef vlt_quartz_context_for_current_view();
