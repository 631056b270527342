// The bundle's principal class: an Audio Unit host asks it for the view.
#include <AudioUnit/AUCocoaUIView.h>

#import "BrindleVLT650CocoaView.h"

#include "au_value_table.h"
#include "editor_layout.h"
#include "host_map.h"

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
    // The editor's size rule, which takes the UI size as every host value is
    // taken: NaN as its minimum, anything beyond 1..2 as the nearer end.
    const vlt::editor::EditorSize size =
        vlt::editor::size_rule(vlt::mac::au_fraction(vlt::editor::Control::kUiSize, s), 1.0f);
    PluginMainView = [[BrindleVLT650CocoaView alloc] initWithFrame:NSMakeRect(0, 0, size.width, size.height)];
    [PluginMainView setAU:inAudioUnit];
    [PluginMainView setScale:size.content_scale];
    [PluginMainView startEditorMain];
    BrindleVLT650CocoaView* view = PluginMainView;
    PluginMainView = nil;
    return [view autorelease];
}

@end
