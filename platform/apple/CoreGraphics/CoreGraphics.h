/* Our CoreGraphics for the GNUstep builds of the macOS code: only the calls
   the Cocoa backend makes, with the Mac's signatures, implemented over
   NSBitmapImageRep, NSAffineTransform and drawInRect: (cg_gnustep.mm).
   A bitmap context and the images made from it share the caller's memory. */
#pragma once

#include <CoreFoundation/CFBase.h>

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef double CGFloat;
struct CGPoint {
    CGFloat x, y;
};
typedef struct CGPoint CGPoint;
struct CGSize {
    CGFloat width, height;
};
typedef struct CGSize CGSize;
struct CGRect {
    CGPoint origin;
    CGSize size;
};
typedef struct CGRect CGRect;

typedef struct CGContext* CGContextRef;
typedef struct CGImage* CGImageRef;
typedef struct CGColorSpace* CGColorSpaceRef;
typedef uint32_t CGBitmapInfo;

enum { kCGImageAlphaPremultipliedLast = 1 };

typedef int32_t CGInterpolationQuality;
enum { kCGInterpolationDefault = 0, kCGInterpolationNone = 1 };

extern const CFStringRef kCGColorSpaceGenericRGB;

CGRect CGRectMake(CGFloat x, CGFloat y, CGFloat width, CGFloat height);

CGColorSpaceRef CGColorSpaceCreateWithName(CFStringRef name);
void CGColorSpaceRelease(CGColorSpaceRef space);

CGContextRef CGBitmapContextCreate(void* data, size_t width, size_t height, size_t bitsPerComponent,
                                   size_t bytesPerRow, CGColorSpaceRef space, CGBitmapInfo bitmapInfo);
CGImageRef CGBitmapContextCreateImage(CGContextRef context);
void CGContextRelease(CGContextRef c);
void CGImageRelease(CGImageRef image);

void CGContextSaveGState(CGContextRef c);
void CGContextRestoreGState(CGContextRef c);
void CGContextTranslateCTM(CGContextRef c, CGFloat tx, CGFloat ty);
void CGContextScaleCTM(CGContextRef c, CGFloat sx, CGFloat sy);
void CGContextDrawImage(CGContextRef c, CGRect rect, CGImageRef image);
void CGContextSetInterpolationQuality(CGContextRef c, CGInterpolationQuality quality);

#ifdef __cplusplus
}
#endif
