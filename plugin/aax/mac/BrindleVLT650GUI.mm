// The GUI bundle of the macOS AAX plug-in: its principal class, the view
// factory, and the editor view, a thin shell on the Cocoa view core with
// the AAX edit sink. The GUI object reaches both through the messages of
// VLT650_AAXViewMessages.h only.
#import "VLT650_AAXViewMessages.h"

#include "aax_edit_sink.h"
#include "aax_event_modifiers.h"
#include "cocoa_view_shell.h"

namespace {

constexpr NSRect kViewFrame = {{0, 0}, {468, 510}};

bool on_banner(const vlt::mac::CocoaViewCore& core, const vlt::mac::PointerEvent& at)
{
    const float mag = core.magnification();
    return vlt::editor::hits(*core.build().layout, vlt::editor::kBanner,
                             static_cast<int>((at.x - core.x_pos()) / mag + 0.5f),
                             static_cast<int>((at.y - core.y_pos()) / mag + 0.5f));
}

}  // namespace

VLT_COCOA_TIMER_TARGET(BrindleVLT650_AAX_TimerTarget)

// The core's shell under this build's names; the view below adds the AAX
// parts (the shell owns the methods every build shares).
@interface BrindleVLT650_AAX_ViewShell : NSView {
@protected
    vlt::mac::CocoaViewCore* core_;
    vlt::mac::NSViewSurface* surface_;
    NSTimer* GUIUpdateTimer;
    id TheGUIUpdateTarget;
}
- (void)setScale:(float)scale;
- (void)startEditorMain;
- (void)stopEditor;
- (void)guiUpdateCallback;
- (vlt::mac::CocoaViewCore*)viewCore;
@end

@implementation BrindleVLT650_AAX_ViewShell
VLT_COCOA_VIEW_SHELL_METHODS
@end

// It answers every message of VLT650_AAXEditorView; the protocol is not
// named here because GCC does not count the shell's methods towards it.
@interface BrindleVLT650_AAX_CocoaView : BrindleVLT650_AAX_ViewShell {
    vlt::aax_view::AaxViewHost* host_;
    vlt::aax_view::AaxEditSink* sink_;
    unsigned long ticks_;
}
@end

@implementation BrindleVLT650_AAX_CocoaView

- (id)initWithFrame:(NSRect)frame
{
    self = [super initWithFrame:frame];
    if (!self)
        return nil;
    surface_ = new vlt::mac::NSViewSurface;
    surface_->attach(self);
    host_ = new vlt::aax_view::AaxViewHost;
    sink_ = new vlt::aax_view::AaxEditSink(*host_);
    TheGUIUpdateTarget = [[BrindleVLT650_AAX_TimerTarget alloc] init];
    [TheGUIUpdateTarget SetCallback:self];
    // The AAX view has no backing scale: its pixmap is its size in points.
    core_ = new vlt::mac::CocoaViewCore(vlt::editor::kCocoaAaxBuild, *sink_, *surface_, frame.size.width,
                                        frame.size.height, 1.0);
    sink_->attach(core_);
    return self;
}

// A timer left running is stopped here too (stopEditor is idempotent).
- (void)dealloc
{
    [self stopEditor];
    [TheGUIUpdateTarget release];
    delete core_;
    delete sink_;
    delete host_;
    delete surface_;
    [super dealloc];
}

- (void)setEffectParameterPtr:(AAX_IACFEffectParameters*)parameters
{
    host_->set_parameters(parameters);
}

- (void)setViewContainerPtr:(AAX_IViewContainer*)container
{
    host_->set_container(container);
}

- (void)setEffectControllerPtr:(AAX_IController*)controller
{
    host_->set_controller(controller);
}

- (void)setParameter:(int32_t)index :(float)value
{
    if (index == kVLT650_AAXViewMeterIndex)
        core_->host_value(vlt::mac::Control::kMeter, 1.0f - value);
    else if (index >= 0 && index < kVLT650_AAXViewMeterIndex)
        core_->host_value(static_cast<vlt::mac::Control>(index), value);
}

- (void)control_update_meter:(float)x
{
    core_->host_value(vlt::mac::Control::kMeter, x);
}

- (uint32_t)GetAAXModifiersFromNSEvent:(NSEvent*)event
{
    return aax_modifiers_from_event(event);
}

- (void)setProgram:(int32_t)index
{
    sink_->select_program(index);
}

- (void)initFactoryPresets
{
    sink_->init_factory_presets();
}

- (int32_t)currentProgram
{
    return sink_->current_program();
}

- (unsigned long)tickCount
{
    return ticks_;
}

// The container hears of the press with its modifier bits before the view
// acts on the switch or a knob. The view has a fixed size: the core's
// resize corner lies beside the panel, where no press goes on.
- (void)mouseDown:(NSEvent*)event
{
    const vlt::mac::PointerEvent at = vlt::mac::pointer_event(self, event);
    const double left = core_->x_pos(), right = left + vlt::editor::kPanelWidth * core_->magnification();
    if (at.x < left || at.x > right)
        return;
    sink_->set_modifiers([self GetAAXModifiersFromNSEvent:event]);
    [super mouseDown:event];
}

// A double click resets the knobs it lands on; with none held it is a plain
// release, as there is no UI size to reset.
- (void)mouseUp:(NSEvent*)event
{
    vlt::mac::PointerEvent at = vlt::mac::pointer_event(self, event);
    bool knob_held = false;
    for (int k = vlt::editor::kInGainKnob; k <= vlt::editor::kMakeupKnob; ++k)
        knob_held = knob_held || core_->focused(static_cast<vlt::editor::Widget>(k));
    if (!knob_held)
        at.click_count = 1;
    core_->release(at);
}

// The banner takes neither a drag nor the wheel in this build (see its
// row): a drag that began on it and a notch over it end here.
- (void)mouseDragged:(NSEvent*)event
{
    if (core_->build().banner_input || !core_->focused(vlt::editor::kBanner))
        [super mouseDragged:event];
}

- (void)scrollWheel:(NSEvent*)event
{
    if (core_->build().banner_input || !on_banner(*core_, vlt::mac::pointer_event(self, event)))
        [super scrollWheel:event];
}

// Every tick counts, pulls the meter from the controller, then runs the
// core's tick.
- (void)guiUpdateCallback
{
    ++ticks_;
    if (host_->has_controller())
        [self control_update_meter:1.0f - host_->poll_meter()];
    [super guiUpdateCallback];
}

@end

@interface BrindleVLT650_AAX_ViewFactory : NSObject <VLT650_AAXViewFactory> {
    NSView* PluginMainView;
}
@end

@implementation BrindleVLT650_AAX_ViewFactory

- (int32_t)interfaceVersion
{
    return 0;
}

- (NSString*)description
{
    return @"VLT650-AAX";
}

- (NSView*)uiViewForAAX
{
    PluginMainView = [[BrindleVLT650_AAX_CocoaView alloc] initWithFrame:kViewFrame];
    [(BrindleVLT650_AAX_CocoaView*)PluginMainView setScale:1.0f];
    NSView* view = [PluginMainView autorelease];
    PluginMainView = nil;
    return view;
}

@end
