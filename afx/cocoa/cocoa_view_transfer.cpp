// Pixmap rectangles into the view's Quartz context. The pixmap's memory is
// wrapped, not copied; its rows run top down, so the context is flipped
// about the destination rectangle for the draw.
#include "afx_engine_cocoa.h"

#include <CoreGraphics/CoreGraphics.h>

namespace {

void draw_rect(afx_pixmap* pixmap, CGContextRef context, afx_pixmap_rect src, double dst_x, double dst_y,
               double dst_width, double dst_height)
{
    if (src.width <= 0 || src.height <= 0)
        return;
    uint8_t* origin = pixmap->pixels + static_cast<ptrdiff_t>(src.y) * pixmap->rowstride + src.x * 4;
    CGColorSpaceRef space = CGColorSpaceCreateWithName(kCGColorSpaceGenericRGB);
    CGContextRef bitmap =
        CGBitmapContextCreate(origin, static_cast<size_t>(src.width), static_cast<size_t>(src.height), 8,
                              static_cast<size_t>(pixmap->rowstride), space, kCGImageAlphaPremultipliedLast);
    CGImageRef image = CGBitmapContextCreateImage(bitmap);
    CGContextSaveGState(context);
    CGContextTranslateCTM(context, 0, 2 * dst_y + dst_height);
    CGContextScaleCTM(context, 1, -1);
    CGContextDrawImage(context, CGRectMake(dst_x, dst_y, dst_width, dst_height), image);
    CGContextRestoreGState(context);
    CGContextRelease(bitmap);
    CGColorSpaceRelease(space);
    CGImageRelease(image);
}

}  // namespace

void AFX_engine_cocoa::afx_draw_pixmap_to_view(afx_image* pixmap, CGContext* context, int src_x, int src_y,
                                               double dst_x, double dst_y, int src_width, int src_height,
                                               double dst_width, double dst_height)
{
    if (!pixmap)
        return;
    draw_rect(pixmap, context, afx_pixmap_limit(*pixmap, {src_x, src_y, src_width, src_height}), dst_x, dst_y,
              dst_width, dst_height);
}

void AFX_engine_cocoa::afx_draw_mono_pixmap_to_view(afx_image* pixmap, CGContext* context, int src_x,
                                                    int src_y, double dst_x, double dst_y, int src_width,
                                                    int src_height, double dst_width, double dst_height,
                                                    float level)
{
    if (!pixmap)
        return;
    const afx_pixmap_rect src = afx_pixmap_limit(*pixmap, {src_x, src_y, src_width, src_height});
    afx_pixmap_mono_pass mono(pixmap, src, level);
    draw_rect(pixmap, context, src, dst_x, dst_y, dst_width, dst_height);
}
