// CoreGraphics for the GNUstep builds, over AppKit: a bitmap context is the
// caller's memory, an image made from it an NSBitmapImageRep over that same
// memory (no copy), and a view context the current NSGraphicsContext, whose
// transformation the CTM calls change with NSAffineTransform.
#include <CoreGraphics/CoreGraphics.h>

#include "cg_gnustep_types.h"
#include "quartz_view_context.h"

// Only the name is ever compared, so a plain C string serves as its value.
const CFStringRef kCGColorSpaceGenericRGB = reinterpret_cast<CFStringRef>("kCGColorSpaceGenericRGB");

CGRect CGRectMake(CGFloat x, CGFloat y, CGFloat width, CGFloat height)
{
    CGRect r;
    r.origin.x = x, r.origin.y = y, r.size.width = width, r.size.height = height;
    return r;
}

CGColorSpaceRef CGColorSpaceCreateWithName(CFStringRef name)
{
    return new CGColorSpace{name == kCGColorSpaceGenericRGB};
}

void CGColorSpaceRelease(CGColorSpaceRef space) { delete space; }

CGContextRef CGBitmapContextCreate(void* data, size_t width, size_t height, size_t bitsPerComponent,
                                   size_t bytesPerRow, CGColorSpaceRef space, CGBitmapInfo bitmapInfo)
{
    // What the backend asks for: 8-bit RGBA, alpha last and premultiplied.
    if (!data || bitsPerComponent != 8 || bitmapInfo != kCGImageAlphaPremultipliedLast ||
        bytesPerRow < width * 4)
        return nullptr;
    CGContext* c = new CGContext;
    c->data = static_cast<unsigned char*>(data);
    c->width = width, c->height = height, c->bytes_per_row = bytesPerRow;
    c->generic = !space || space->generic;
    return c;
}

CGImageRef CGBitmapContextCreateImage(CGContextRef context)
{
    if (!context || context->view)
        return nullptr;
    unsigned char* planes[1] = {context->data};
    NSString* space = context->generic ? NSCalibratedRGBColorSpace : NSDeviceRGBColorSpace;
    NSBitmapImageRep* rep =
        [[NSBitmapImageRep alloc] initWithBitmapDataPlanes:planes
                                                pixelsWide:static_cast<NSInteger>(context->width)
                                                pixelsHigh:static_cast<NSInteger>(context->height)
                                             bitsPerSample:8
                                           samplesPerPixel:4
                                                  hasAlpha:YES
                                                  isPlanar:NO
                                            colorSpaceName:space
                                               bytesPerRow:static_cast<NSInteger>(context->bytes_per_row)
                                              bitsPerPixel:32];
    if (!rep)
        return nullptr;
    return new CGImage{rep};
}

void CGContextRelease(CGContextRef c)
{
    if (c)
        [c->view release];
    delete c;
}

void CGImageRelease(CGImageRef image)
{
    if (image)
        [image->rep release];
    delete image;
}

void CGContextSaveGState(CGContextRef c)
{
    if (c && c->view)
        [c->view saveGraphicsState];
}

void CGContextRestoreGState(CGContextRef c)
{
    if (c && c->view)
        [c->view restoreGraphicsState];
}

void CGContextSetInterpolationQuality(CGContextRef c, CGInterpolationQuality quality)
{
    if (c && c->view)
        [c->view setImageInterpolation:quality == kCGInterpolationNone ? NSImageInterpolationNone
                                                                       : NSImageInterpolationDefault];
}

namespace {

void concat(CGContextRef c, NSAffineTransform* t)
{
    if (!c || !c->view)
        return;
    NSGraphicsContext* previous = [NSGraphicsContext currentContext];
    [NSGraphicsContext setCurrentContext:c->view];
    [t concat];
    [NSGraphicsContext setCurrentContext:previous];
}

}  // namespace

void CGContextTranslateCTM(CGContextRef c, CGFloat tx, CGFloat ty)
{
    NSAffineTransform* t = [NSAffineTransform transform];
    [t translateXBy:tx yBy:ty];
    concat(c, t);
}

void CGContextScaleCTM(CGContextRef c, CGFloat sx, CGFloat sy)
{
    NSAffineTransform* t = [NSAffineTransform transform];
    [t scaleXBy:sx yBy:sy];
    concat(c, t);
}

void CGContextDrawImage(CGContextRef c, CGRect rect, CGImageRef image)
{
    if (!c || !c->view || !image)
        return;
    NSGraphicsContext* previous = [NSGraphicsContext currentContext];
    [NSGraphicsContext setCurrentContext:c->view];
    // Like Quartz, the image's first row goes to the rectangle's top in the
    // current (unflipped) space; every pixel is opaque, so copying is exact.
    [image->rep drawInRect:NSMakeRect(rect.origin.x, rect.origin.y, rect.size.width, rect.size.height)
                  fromRect:NSZeroRect
                 operation:NSCompositeCopy
                  fraction:1.0
            respectFlipped:NO
                     hints:nil];
    [NSGraphicsContext setCurrentContext:previous];
}

CGContextRef vlt_quartz_context_for_current_view()
{
    NSGraphicsContext* current = [NSGraphicsContext currentContext];
    if (!current)
        return nullptr;
    CGContext* c = new CGContext;
    c->view = [current retain];
    return c;
}
