// The GUI bundle of the macOS AAX plug-in: its principal class, the view
// factory, and the editor view, a thin shell on the Cocoa window glue and
// the shared editor core, with the AAX editor host over the host objects
// it is handed. The GUI object reaches both through the messages of
// VLT650_AAXViewMessages.h only.
#import "VLT650_AAXViewMessages.h"

#include "VLT650_EditorHost.h"
#include "aax_event_modifiers.h"
#include "aax_view_host.h"
#include "aax_view_programs.h"
#include "cocoa/cocoa_editor_window.h"
#include "cocoa/cocoa_view_parts.h"
#include "cocoa/cocoa_view_shell.h"
#include "panel_size.h"

namespace {

// The fixed view: the window of the smallest UI size.
constexpr NSRect kViewFrame = {{0, 0}, {vlt::editor::kDefaultWindowWidth, vlt::editor::kDefaultWindowHeight}};

// What the view owns beside the AppKit object; edits go to the host's
// objects, the step buttons through the view's own preset table.
using AaxViewParts = vlt::mac::ViewParts<VLT650_EditorHost>;

}  // namespace

VLT_COCOA_TIMER_TARGET(BrindleVLT650_AAX_TimerTarget)

// The glue's shell under this build's names; the view below adds the AAX
// parts (the shell owns the methods every build shares).
@interface BrindleVLT650_AAX_ViewShell : NSView {
@protected
    vlt::editor::CocoaEditorWindow* window_;
    NSTimer* GUIUpdateTimer;
    id TheGUIUpdateTarget;
}
VLT_COCOA_VIEW_SHELL_DECLARATIONS(vlt::editor::CocoaEditorWindow)
@end

@implementation BrindleVLT650_AAX_ViewShell
VLT_COCOA_VIEW_SHELL_METHODS(vlt::editor::CocoaEditorWindow)
@end

// It answers every message of VLT650_AAXEditorView; the protocol is not
// named here because GCC does not count the shell's methods towards it.
@interface BrindleVLT650_AAX_CocoaView : BrindleVLT650_AAX_ViewShell {
    vlt::aax_view::AaxViewHost* objects_;
    vlt::aax_view::ProgramTable* programs_;  // the view's own preset table
    AaxViewParts* parts_;
    VLT650_EditorHost* host_;  // the parts' editor host
    unsigned long ticks_;
}
@end

@implementation BrindleVLT650_AAX_CocoaView

- (id)initWithFrame:(NSRect)frame
{
    self = [super initWithFrame:frame];
    if (!self)
        return nil;
    objects_ = new vlt::aax_view::AaxViewHost;
    programs_ = new vlt::aax_view::ProgramTable[1];
    vlt::aax_view::init_factory_presets(*programs_);
    parts_ = new AaxViewParts(self, [BrindleVLT650_AAX_TimerTarget class], vlt::editor::kCocoaAaxBuild,
                              frame.size, *objects_, *programs_);
    window_ = &parts_->window;
    host_ = &parts_->host;
    TheGUIUpdateTarget = parts_->timer_target;
    host_->attach(&window_->core());
    return self;
}

// A timer left running is stopped here too (stopEditor is idempotent).
- (void)dealloc
{
    [self stopEditor];
    window_ = nullptr;
    host_ = nullptr;
    TheGUIUpdateTarget = nil;
    delete parts_;  // and the timer's target
    delete[] programs_;
    delete objects_;
    [super dealloc];
}

- (void)setEffectParameterPtr:(AAX_IACFEffectParameters*)parameters
{
    objects_->set_parameters(parameters);
}

- (void)setViewContainerPtr:(AAX_IViewContainer*)container
{
    objects_->set_container(container);
}

- (void)setEffectControllerPtr:(AAX_IController*)controller
{
    objects_->set_controller(controller);
}

- (void)setParameter:(int32_t)index:(float)value
{
    vlt::params::Index q;
    if (!vlt::params::aax::quantity_of_view_index(index, &q))
        return;
    // The meter arrives as the gain factor's share: the view shows its reduction.
    window_->host_value(vlt::editor::control_of(q), q == vlt::params::kMeter ? 1.0f - value : value);
}

- (void)control_update_meter:(float)x
{
    window_->host_value(vlt::editor::Control::kMeter, x);
}

- (uint32_t)GetAAXModifiersFromNSEvent:(NSEvent*)event
{
    return aax_modifiers_from_event(event);
}

// Applies record index as seven touch / set / release triples; the step
// buttons go on from it.
- (void)setProgram:(int32_t)index
{
    if (index < 0 || index >= vlt::aax_view::kProgramCount)
        return;
    host_->set_program(index);
    window_->core().set_program_index(index);
}

- (void)initFactoryPresets
{
    vlt::aax_view::init_factory_presets(*programs_);
}

- (int32_t)currentProgram
{
    return host_->current_program();
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
    const double left = window_->x_pos(), right = left + vlt::editor::kPanelWidth * window_->magnification();
    if (at.x < left || at.x > right)
        return;
    objects_->set_press_modifiers([self GetAAXModifiersFromNSEvent:event]);
    [super mouseDown:event];
}

// Every tick counts, pulls the meter from the controller, then runs the
// core's tick.
- (void)guiUpdateCallback
{
    ++ticks_;
    if (objects_->has_controller())
        [self control_update_meter:1.0f - objects_->poll_meter()];
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
