// The Audio Unit editor view: a thin shell over the Cocoa window glue and
// the shared editor core, which follows an Audio Unit's ten parameters
// through a parameter listener and writes edits back through AuEditorHost.
// Every method runs on the main thread; the listener delivers on the run
// loop that was current at setAU: (the main one, where hosts make views).
#pragma once

#include <AudioToolbox/AudioToolbox.h>

#include "au_editor_host.h"
#include "cocoa/cocoa_editor_window.h"
#include "cocoa/cocoa_view_parts.h"
#include "cocoa/cocoa_view_shell.h"

// What the view owns beside the AppKit object.
using BrindleVLT650CocoaViewParts = vlt::mac::ViewParts<vlt::mac::AuEditorHost>;

// The listener callback, on the listener's run loop: user data is the view.
extern "C" void ParameterListenerDispatcher(void* inRefCon, void* inObject,
                                            const AudioUnitParameter* inParameter,
                                            AudioUnitParameterValue inValue);

@interface BrindleVLT650CocoaView : NSView {
    BrindleVLT650CocoaViewParts* parts_;
    vlt::editor::CocoaEditorWindow* window_;  // the parts' window glue
    NSTimer* GUIUpdateTimer;
    id TheGUIUpdateTarget;

    AudioUnit mAU;
    AUParameterListenerRef mParameterListener;
    AudioUnitParameter parameter[vlt::mac::kAuParameterCount];
    bool listening_[vlt::mac::kAuParameterCount];  // added to the listener
}
- (void)setAU:(AudioUnit)inAU;
- (void)_addListeners;
- (void)_removeListeners;
- (void)_synchronizeUIWithParameterValues;
- (void)_parameterListener:(void*)inObject
                 parameter:(const AudioUnitParameter*)inParameter
                     value:(Float32)inValue;
VLT_COCOA_VIEW_SHELL_DECLARATIONS(vlt::editor::CocoaEditorWindow)
@end
