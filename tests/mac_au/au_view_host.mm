#include "au_view_host.h"

#include <AudioUnit/AUCocoaUIView.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "cocoa/cocoa_editor_window.h"

namespace {

// The bundle is loaded once per process, as a host loads a view bundle.
id factory()
{
    static id instance = nil;
    if (!instance) {
        // Another build's bundle may stand in for this tree's.
        const char* other = std::getenv("VLT_AU_VIEW_BUNDLE");
        const std::string path = other && *other ? other : VLT_AU_VIEW_BUNDLE;
        NSBundle* bundle = [NSBundle bundleWithPath:[NSString stringWithUTF8String:path.c_str()]];
        if (!bundle || ![bundle load])
            throw std::runtime_error("cannot load " + path);
        instance = [[[bundle principalClass] alloc] init];
        if (![instance conformsToProtocol:@protocol(AUCocoaUIBase)])
            throw std::runtime_error("the principal class is no AUCocoaUIBase");
    }
    return instance;
}

}  // namespace

AuViewHost::AuViewHost(FakeAudioUnit& unit, double settle)
{
    // The factory's autorelease ends here, so releasing the view frees it.
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    view_ = [[factory() uiViewForAudioUnit:&unit withSize:NSMakeSize(100, 100)] retain];
    [pool release];
    const NSSize size = [view_ frame].size;
    window_ =
        std::make_unique<mac_host::HostWindow>(static_cast<int>(size.width), static_cast<int>(size.height));
    [(NSView*)window_->parent() addSubview:view_];
    run(settle);
}

AuViewHost::~AuViewHost()
{
    if (view_) {
        [view_ removeFromSuperview];
        [view_ release];
    }
    window_.reset();
}

NSView* AuViewHost::take_view()
{
    NSView* v = view_;
    [v removeFromSuperview];
    view_ = nil;
    return v;
}

vlt::editor::CocoaEditorWindow& AuViewHost::editor_window() const
{
    return *static_cast<vlt::editor::CocoaEditorWindow*>(
        (void*)[view_ performSelector:@selector(editorWindow)]);
}

void AuViewHost::run(double seconds) const { mac_host::run_events(seconds); }

void AuViewHost::pixel(int x, int y, unsigned char rgb[3]) const
{
    const std::vector<unsigned char> all = pixels();
    const std::size_t at =
        (static_cast<std::size_t>(y) * static_cast<int>([view_ bounds].size.width) + x) * 3;
    std::copy(all.begin() + at, all.begin() + at + 3, rgb);
}

std::vector<unsigned char> AuViewHost::pixels() const
{
    // What drawing autoreleases goes with this pool, not the program's.
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    NSRect bounds = [view_ bounds];
    NSBitmapImageRep* rep = [view_ bitmapImageRepForCachingDisplayInRect:bounds];
    [view_ cacheDisplayInRect:bounds toBitmapImageRep:rep];
    const int w = static_cast<int>([rep pixelsWide]), h = static_cast<int>([rep pixelsHigh]);
    const int step = static_cast<int>([rep bitsPerPixel] / 8);
    std::vector<unsigned char> out;
    out.reserve(static_cast<std::size_t>(w) * h * 3);
    for (int y = 0; y < h; ++y) {
        const unsigned char* row = [rep bitmapData] + y * [rep bytesPerRow];
        for (int x = 0; x < w; ++x)
            out.insert(out.end(), row + x * step, row + x * step + 3);
    }
    [pool release];
    return out;
}

unsigned AuViewHost::interface_version() { return [factory() interfaceVersion]; }

std::string AuViewHost::description() { return [[factory() description] UTF8String]; }

void pointer(const std::string& xdotool_args)
{
    const std::string command = "xdotool " + xdotool_args;
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error(command);
}
