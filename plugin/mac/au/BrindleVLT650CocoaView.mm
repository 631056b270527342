#import "BrindleVLT650CocoaView.h"

#include "au_value_table.h"
#include "host_map.h"

VLT_COCOA_TIMER_TARGET(BrindleVLT650TimerTarget)

namespace {

using vlt::mac::kAuParameterCount;

// A failing listener or parameter call goes to the assertion handler (which
// raises by default), except while the view is being freed: dealloc must
// finish, so there it is only logged.
void report(SEL method, id view, int line, NSString* text, bool may_raise)
{
    if (!may_raise) {
        NSLog(@"%@ (while releasing the view)", text);
        return;
    }
    [[NSAssertionHandler currentHandler] handleFailureInMethod:method
                                                        object:view
                                                          file:@"BrindleVLT650CocoaView.mm"
                                                    lineNumber:line
                                                   description:@"%@", text];
}

}  // namespace

extern "C" void ParameterListenerDispatcher(void* inRefCon, void* inObject,
                                            const AudioUnitParameter* inParameter,
                                            AudioUnitParameterValue inValue)
{
    [(BrindleVLT650CocoaView*)inRefCon _parameterListener:inObject parameter:inParameter value:inValue];
}

@interface BrindleVLT650CocoaView (Listeners)
- (void)_removeListenersMayRaise:(bool)may_raise;
@end

@implementation BrindleVLT650CocoaView

- (id)initWithFrame:(NSRect)frame
{
    self = [super initWithFrame:frame];
    if (!self)
        return nil;
    mAU = nullptr;
    mParameterListener = nullptr;
    for (int n = 0; n < kAuParameterCount; ++n) {
        parameter[n] =
            AudioUnitParameter{nullptr, static_cast<AudioUnitParameterID>(n), kAudioUnitScope_Global, 0};
        listening_[n] = false;
    }
    parts_ =
        new BrindleVLT650CocoaViewParts(self, [BrindleVLT650TimerTarget class], vlt::editor::kCocoaAuBuild,
                                        frame.size, self, &mParameterListener, parameter);
    window_ = &parts_->window;
    TheGUIUpdateTarget = parts_->timer_target;
    return self;
}

// The timer and the target's back-pointer go first, so no tick reaches a
// view being freed; then only the listeners that exist; nothing here raises.
- (void)dealloc
{
    [self stopEditor];
    [self _removeListenersMayRaise:false];
    window_ = nullptr;
    TheGUIUpdateTarget = nil;
    delete parts_;  // and the timer's target
    [super dealloc];
}

VLT_COCOA_VIEW_SHELL_METHODS(vlt::editor::CocoaEditorWindow)

- (void)setAU:(AudioUnit)inAU
{
    if (mAU)
        [self _removeListeners];
    mAU = inAU;
    [self _addListeners];
    [self _synchronizeUIWithParameterValues];
}

- (void)_addListeners
{
    if (AUListenerCreate(ParameterListenerDispatcher, self, CFRunLoopGetCurrent(), kCFRunLoopCommonModes,
                         0.02f, &mParameterListener) != noErr) {
        mParameterListener = nullptr;
        report(_cmd, self, __LINE__, @"[BrindleVLT650CocoaView _addListeners] AUListenerCreate()", true);
        return;
    }
    for (int n = 0; n < kAuParameterCount; ++n) {
        parameter[n].mAudioUnit = mAU;
        listening_[n] = AUListenerAddParameter(mParameterListener, nullptr, &parameter[n]) == noErr;
        if (!listening_[n])
            report(_cmd, self, __LINE__, @"[BrindleVLT650CocoaView _addListeners] AUListenerAddParameter()",
                   true);
    }
}

- (void)_removeListeners
{
    [self _removeListenersMayRaise:true];
}

- (void)_removeListenersMayRaise:(bool)may_raise
{
    if (!mParameterListener)
        return;
    AUParameterListenerRef listener = mParameterListener;
    for (int n = 0; n < kAuParameterCount; ++n) {
        if (!listening_[n])
            continue;
        listening_[n] = false;
        if (AUListenerRemoveParameter(listener, nullptr, &parameter[n]) != noErr)
            report(_cmd, self, __LINE__,
                   @"[BrindleVLT650CocoaView _removeListeners] AUListenerRemoveParameter()", may_raise);
    }
    mParameterListener = nullptr;
    if (AUListenerDispose(listener) != noErr)
        report(_cmd, self, __LINE__, @"[BrindleVLT650CocoaView _removeListeners] AUListenerDispose()",
               may_raise);
}

- (void)_synchronizeUIWithParameterValues
{
    const int meter_id = vlt::editor::host_param(vlt::editor::kAuMap, vlt::editor::Control::kMeter).index;
    for (int n = 0; n < kAuParameterCount; ++n) {
        AudioUnitParameterValue value = 0;
        if (AudioUnitGetParameter(mAU, n, kAudioUnitScope_Global, 0, &value) != noErr) {
            report(_cmd, self, __LINE__, @"[BrindleVLT650CocoaView synchronizeUIWithParameterValues] (x.1)",
                   true);
            continue;  // when the handler lets us go on: nothing read, nothing to pass on
        }
        // The meter is the unit's own output: never written back.
        if (n != meter_id && AUParameterSet(mParameterListener, self, &parameter[n], value, 0) != noErr)
            report(_cmd, self, __LINE__, @"[BrindleVLT650CocoaView synchronizeUIWithParameterValues] (x.2)",
                   true);
        if (AUParameterListenerNotify(mParameterListener, self, &parameter[n]) != noErr)
            report(_cmd, self, __LINE__, @"[BrindleVLT650CocoaView synchronizeUIWithParameterValues] (x.3)",
                   true);
        [self _parameterListener:nullptr parameter:&parameter[n] value:value];
    }
}

- (void)_parameterListener:(void*)inObject
                 parameter:(const AudioUnitParameter*)inParameter
                     value:(Float32)inValue
{
    (void)inObject;
    vlt::editor::Control control;
    if (!window_ || !inParameter ||
        !vlt::editor::control_of_index(vlt::editor::kAuMap, static_cast<int>(inParameter->mParameterID),
                                       &control))
        return;  // ids 10 and above are not ours
    window_->host_value(control, vlt::mac::au_fraction(control, inValue));
}

@end
