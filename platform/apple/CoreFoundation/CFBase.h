/* The few CoreFoundation base types our CoreGraphics layer names, for the
   GNUstep builds of the macOS code (no CoreFoundation is installed there). */
#pragma once

typedef const void* CFTypeRef;
typedef const struct __CFString* CFStringRef;
