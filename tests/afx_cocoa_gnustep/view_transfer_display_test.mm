// A pixmap drawn into a real (flipped, as the editor views are) view on the
// display lands where drawRect: put it, the right way up: the view's own
// picture is read back from the window system.
#import <AppKit/AppKit.h>

#include "afx/cocoa/afx_engine_cocoa.h"
#include "quartz_view_context.h"

#include <gtest/gtest.h>

// Top half red, bottom half blue, in pixmap rows (top down).
static afx_pixmap* two_band_pixmap(int width, int height)
{
    afx_pixmap* p = afx_pixmap_new(width, height, afx_pixmap_look{});
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* px = p->pixels + y * p->rowstride + x * 4;
            const bool top = y < height / 2;
            px[0] = top ? 255 : 0;
            px[1] = 0;
            px[2] = top ? 0 : 255;
            px[3] = 255;
        }
    return p;
}

@interface VltTransferProbeView : NSView {
@public
    AFX_engine* engine;
    afx_pixmap* pixmap;
}
@end

@implementation VltTransferProbeView
// As the editor views: y grows downwards.
- (BOOL)isFlipped
{
    return YES;
}

- (void)drawRect:(NSRect)rect
{
    CGContextRef context = vlt_quartz_context_for_current_view();
    cocoa_ext(*engine).afx_draw_pixmap_to_view(static_cast<afx_image*>(pixmap), context, 0, 0, 0, 0,
                                               pixmap->width, pixmap->height, 40, 40);
    CGContextRelease(context);
}
@end

TEST(ViewTransferOnDisplay, PixmapTopRowsShowAtTheViewsTop)
{
    ASSERT_NE(getenv("DISPLAY"), nullptr);
    AFX_engine engine;
    VltTransferProbeView* view = [[VltTransferProbeView alloc] initWithFrame:NSMakeRect(0, 0, 40, 40)];
    view->engine = &engine;
    view->pixmap = two_band_pixmap(40, 40);
    NSWindow* window = [[NSWindow alloc] initWithContentRect:NSMakeRect(0, 0, 40, 40)
                                                   styleMask:NSBorderlessWindowMask
                                                     backing:NSBackingStoreBuffered
                                                       defer:NO];
    [window setContentView:view];
    [window orderFront:nil];

    NSBitmapImageRep* rep = [view bitmapImageRepForCachingDisplayInRect:[view bounds]];
    [view cacheDisplayInRect:[view bounds] toBitmapImageRep:rep];
    const unsigned char* data = [rep bitmapData];
    const NSInteger row = [rep bytesPerRow];
    const NSInteger step = [rep bitsPerPixel] / 8;
    const unsigned char* top = data + 5 * row + 20 * step;  // image rows run top down
    const unsigned char* bottom = data + 35 * row + 20 * step;
    EXPECT_EQ(top[0], 255);
    EXPECT_EQ(top[2], 0);
    EXPECT_EQ(bottom[0], 0);
    EXPECT_EQ(bottom[2], 255);

    [window orderOut:nil];
    [window release];
    afx_pixmap_free(view->pixmap);
    [view release];
}
