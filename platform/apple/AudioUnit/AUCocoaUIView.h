/* The protocol by which an Audio Unit host asks a view bundle's principal
   class for a view (Objective-C). */
#pragma once

#import <AppKit/AppKit.h>

#include <AudioUnit/AudioUnit.h>

@protocol AUCocoaUIBase
- (unsigned)interfaceVersion;
- (NSView*)uiViewForAudioUnit:(AudioUnit)inAudioUnit withSize:(NSSize)inPreferredSize;
@optional
- (NSString*)description;
@end
