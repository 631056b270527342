#pragma once
// What the VST2 and VST3 view tests share: the plug-in's view inside a host
// window, its core, pointer events in panel points, and the view's pixels.
#import <AppKit/AppKit.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "cocoa/cocoa_editor_window.h"
#include "editor_layout.h"
#include "host_window.h"

@protocol VltWindowView
- (vlt::editor::CocoaEditorWindow*)editorWindow;
- (void)guiUpdateCallback;
@end

namespace mac_view_test {

// Held by the host's view only: the list of subviews is gone before this returns.
inline NSView* plugin_view(const mac_host::HostWindow& window)
{
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    NSView* view = [[static_cast<NSView*>(window.parent()) subviews] lastObject];
    [pool release];
    return view;
}

inline vlt::editor::CocoaEditorWindow& editor_window_of(NSView* view)
{
    return *[(id<VltWindowView>)view editorWindow];
}

inline void tick(NSView* view) { [(id<VltWindowView>)view guiUpdateCallback]; }

// A pointer event at a panel point (the panel image's coordinates, below
// the button row), moved by (dx, dy) view points.
inline vlt::editor::PointerEvent at_panel(const vlt::editor::CocoaEditorWindow& core, double px, double py,
                                          double dx = 0, double dy = 0)
{
    vlt::editor::PointerEvent e;
    e.x = core.x_pos() + px * core.magnification() + dx;
    e.y = core.y_pos() + py * core.magnification() + dy;
    e.delta_x = dx;
    e.delta_y = dy;
    return e;
}

// A widget's centre in panel points.
inline vlt::editor::PointerEvent at_widget(const vlt::editor::CocoaEditorWindow& core, vlt::editor::Widget w,
                                           double dx = 0, double dy = 0)
{
    const vlt::editor::WidgetPlace& p = vlt::editor::place(*core.build().layout, w);
    return at_panel(core, p.pos_x + p.offset_x, p.pos_y + p.offset_y, dx, dy);
}

// The banner's pixels in the panel pixmap, R, G, B, A, rows top down.
inline std::vector<unsigned char> banner_pixels(const vlt::editor::CocoaEditorWindow& core)
{
    const afx_pixmap& p = *core.panel_pixmap();
    const vlt::editor::Rect r = vlt::editor::panel_rect(*core.build().layout, vlt::editor::kBanner);
    std::vector<unsigned char> out;
    for (int y = r.y; y < r.y + r.h; ++y) {
        const unsigned char* row = p.pixels + y * p.rowstride;
        out.insert(out.end(), row + r.x * 4, row + (r.x + r.w) * 4);
    }
    return out;
}

// The banner as a program the host selects shows it (select(index) shows
// a program's name): from the start, and again after the user dragged the
// banner 40 points left while another program's name was on it.
template <class Select>
std::pair<std::vector<unsigned char>, std::vector<unsigned char>>
program_banner_before_and_after_a_drag(vlt::editor::CocoaEditorWindow& core, Select select)
{
    select(3);
    const std::vector<unsigned char> from_start = banner_pixels(core);
    select(0);
    const std::vector<unsigned char> unscrolled = banner_pixels(core);
    core.press(at_widget(core, vlt::editor::kBanner, 50, 8));
    core.drag(at_widget(core, vlt::editor::kBanner, 10, 8));
    EXPECT_NE(banner_pixels(core), unscrolled) << "the drag scrolled nothing";
    core.release(at_widget(core, vlt::editor::kBanner, 10, 8));
    select(3);
    return {from_start, banner_pixels(core)};
}

// Pixels of the host's view, drawn now, whose red, green and blue differ:
// none when the plug-in's view is drawn in grey.
inline int coloured_pixels(NSView* plugin)
{
    NSView* view = [plugin superview];
    [[view window] display];
    NSBitmapImageRep* rep = [view bitmapImageRepForCachingDisplayInRect:[view bounds]];
    [view cacheDisplayInRect:[view bounds] toBitmapImageRep:rep];
    const unsigned char* data = [rep bitmapData];
    const NSInteger row = [rep bytesPerRow];
    const NSInteger step = [rep bitsPerPixel] / 8;
    int count = 0;
    for (NSInteger y = 0; y < [rep pixelsHigh]; ++y)
        for (NSInteger x = 0; x < [rep pixelsWide]; ++x) {
            const unsigned char* p = data + y * row + x * step;
            if (p[0] != p[1] || p[1] != p[2])
                ++count;
        }
    return count;
}

}  // namespace mac_view_test
