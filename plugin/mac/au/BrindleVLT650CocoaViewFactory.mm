// The bundle's principal class: an Audio Unit host asks it for the view.
#include <AudioUnit/AUCocoaUIView.h>

#include <algorithm>

#import "BrindleVLT650CocoaView.h"

#include "host_map.h"
#include "panel_size.h"

@interface BrindleVLT650CocoaViewFactory : NSObject <AUCocoaUIBase> {
    BrindleVLT650CocoaView* PluginMainView;
}
@end

@implementation BrindleVLT650CocoaViewFactory

- (unsigned)interfaceVersion
{
    return 0;
}

- (NSString*)description
{
    return @"VLT650";
}

// The preferred size is ignored: the unit's UI size (1..2) gives the view's.
- (NSView*)uiViewForAudioUnit:(AudioUnit)inAudioUnit withSize:(NSSize)inPreferredSize
{
    (void)inPreferredSize;
    const int ui_size_id = vlt::editor::host_param(vlt::editor::kAuMap, vlt::editor::Control::kUiSize).index;
    AudioUnitParameterValue s = 1.0f;
    if (AudioUnitGetParameter(inAudioUnit, ui_size_id, kAudioUnitScope_Global, 0, &s) != noErr)
        s = 1.0f;
    using vlt::editor::kMinWidthFactor;
    using vlt::editor::kPanelHeight;
    using vlt::editor::kPanelWidth;
    const float width_factor = s < kMinWidthFactor ? kMinWidthFactor : s;
    const int width = static_cast<int>(kPanelWidth * width_factor + 0.5f);
    const int height = static_cast<int>(kPanelHeight * std::max(1.0f, s) + 0.5f);
    PluginMainView = [[BrindleVLT650CocoaView alloc] initWithFrame:NSMakeRect(0, 0, width, height)];
    [PluginMainView setAU:inAudioUnit];
    [PluginMainView setScale:std::max(1.0f, s)];
    [PluginMainView startEditorMain];
    BrindleVLT650CocoaView* view = PluginMainView;
    PluginMainView = nil;
    return [view autorelease];
}

@end
