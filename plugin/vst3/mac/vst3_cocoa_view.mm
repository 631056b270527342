// The macOS VST3 editor's Cocoa view: the shared editor core with the VST3
// build row behind the Cocoa window glue, edits to the controller through
// the VST3 editor host, the six factory programs on the step buttons and a
// frame the host sizes.
#include "cocoa/cocoa_view_parts.h"
#include "cocoa/cocoa_view_shell.h"

#include "CPlugController.h"
#include "host_map.h"
#include "plug_ids.h"
#include "vst3_editor_host.h"
#include "vst3_panel.h"
#include "vst3_view_methods.h"

namespace {

using Steinberg::int32;
using Steinberg::char8;
using Steinberg::Vst::CPlugController;
using Steinberg::Vst::ParamID;
using Steinberg::Vst::Vst3EditorHost;
using vlt::editor::Control;
namespace ids = Steinberg::Vst::vlt650;
namespace mac = vlt::mac;

const vlt::editor::EditorBuild& kBuild = vlt::editor::kCocoaVst3Build;

// The host sizes this view: a UI-size change from the panel (the resize
// corner) keeps the host's frame.
class Vst3Surface final : public mac::ViewSurface {
public:
    explicit Vst3Surface(NSView* view) : view_(view), ns_view_(view) {}
    void attach(vlt::editor::CocoaEditorWindow* window) { window_ = window; }
    void invalidate(int x, int y, int w, int h) override { view_.invalidate(x, y, w, h); }
    void invalidate_all() override { view_.invalidate_all(); }
    void embed(afx_sys_window parent) override { view_.embed(parent); }
    void resize_frame(int, int) override
    {
        const NSSize size = [ns_view_ frame].size;
        window_->set_frame_size(size.width, size.height);
    }

private:
    mac::NSViewSurface view_;
    NSView* ns_view_;  // not retained: the view owns us
    vlt::editor::CocoaEditorWindow* window_ = nullptr;
};

// Edits go to the controller, which tells the host and every open view;
// the step buttons select its factory programs through the program
// parameter, and the controller answers with the new name.
using Vst3Parts = mac::ViewParts<Vst3EditorHost, Vst3Surface>;

}  // namespace

VLT_COCOA_TIMER_TARGET(BrindleVLT650VST3TimerTarget)

@interface BrindleVLT650VST3CocoaView : NSView <BrindleVLT650VST3ViewMethods> {
    Vst3Parts* parts_;
    vlt::editor::CocoaEditorWindow* window_;  // the parts' window glue
    CPlugController* controller;
    NSTimer* GUIUpdateTimer;
    id TheGUIUpdateTarget;
}
@end

@implementation BrindleVLT650VST3CocoaView

- (id)initWithFrame:(NSRect)frame
{
    self = [super initWithFrame:frame];
    if (!self)
        return nil;
    parts_ = new Vst3Parts(self, [BrindleVLT650VST3TimerTarget class], kBuild, frame.size, nullptr,
                           Vst3EditorHost::ProgramValue::kFloat);
    window_ = &parts_->window;
    TheGUIUpdateTarget = parts_->timer_target;
    parts_->surface.attach(window_);
    parts_->host.attach(&window_->core());
    window_->set_frame_size(frame.size.width, frame.size.height);
    return self;
}

- (void)dealloc
{
    [self stopEditor];
    window_ = nullptr;
    delete parts_;  // and the timer's target
    [super dealloc];
}

- (void)setController:(CPlugController*)owner
{
    controller = owner;
    parts_->host.set_controller(owner);
}

// The host sizes the view: the panel is magnified to fit and centred.
- (void)setFrameSize:(NSSize)size
{
    [super setFrameSize:size];
    if (window_)
        window_->set_frame_size(size.width, size.height);
}

- (void)setParameter:(ParamID)paramId:(float)value
{
    Control c;
    if (paramId == ids::kHostBypassId)
        window_->core().set_host_eff_enable(::vlt::params::switched_on(value) ? 0.0f
                                                                              : 1.0f);  // grey while bypassed
    else if (control_of_index(*kBuild.host, static_cast<int>(paramId), &c))
        window_->host_value(c, value);
}

- (void)setProgramName:(int32)index:(const char8*)name
{
    // No name: only the index, the banner untouched.
    if (name)
        window_->core().set_program(index, name);
    else
        window_->core().set_program_index(index);
}

VLT_COCOA_VIEW_SHELL_METHODS(vlt::editor::CocoaEditorWindow)

@end

namespace Steinberg::Vst::vst3_panel {

namespace {
BrindleVLT650VST3CocoaView* view_of(Panel panel) { return static_cast<BrindleVLT650VST3CocoaView*>(panel); }
}  // namespace

Panel make(CPlugController& controller, int32 width, int32 height)
{
    BrindleVLT650VST3CocoaView* view =
        [[BrindleVLT650VST3CocoaView alloc] initWithFrame:NSMakeRect(0, 0, width, height)];
    [view setController:&controller];
    return view;
}

void set_parameter(Panel panel, ParamID id, float value) { [view_of(panel) setParameter:id:value]; }

void set_program_name(Panel panel, int32 index, const char8* name)
{
    [view_of(panel) setProgramName:index:name];
}

void show(Panel panel, void* parent) { [view_of(panel) startEditorMainIn:static_cast<NSView*>(parent)]; }

void set_frame_size(Panel panel, int32 width, int32 height)
{
    [view_of(panel) setFrameSize:NSMakeSize(width, height)];
}

void close(Panel panel)
{
    BrindleVLT650VST3CocoaView* view = view_of(panel);
    [view stopEditor];
    [view removeFromSuperview];
    [view release];
}

int live_count() { return Vst3Parts::live(); }

}  // namespace Steinberg::Vst::vst3_panel
