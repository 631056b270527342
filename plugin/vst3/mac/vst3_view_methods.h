// What the macOS VST3 view answers besides the shared view methods: its
// controller, the values and program names the controller sends, and the
// frame the host sets (setFrameSize:, NSView's own). All on the main thread.
#pragma once
#import <AppKit/AppKit.h>

#include "vst3_types.h"

namespace Steinberg::Vst {
class CPlugController;
}

@protocol BrindleVLT650VST3ViewMethods
- (void)setController:(Steinberg::Vst::CPlugController*)controller;
- (void)setParameter:(Steinberg::Vst::ParamID)paramId:(float)value;
// name may be null: the index is stored and the banner left alone.
- (void)setProgramName:(Steinberg::int32)index:(const Steinberg::char8*)name;
- (void)startEditorMain;
- (void)startEditorMainIn:(NSView*)parent;  // and into parent
- (void)stopEditor;
@end
