// The macOS VST3 editor's Cocoa view: the shared view core with the VST3
// build row, edits to the controller, the six factory programs on the step
// buttons and a frame the host sizes.
#include "cocoa_view_shell.h"

#include "CPlugController.h"
#include "host_map.h"
#include "plug_ids.h"
#include "preset_selector.h"
#include "view_parts.h"
#include "vst3_panel.h"
#include "vst3_view_methods.h"

namespace {

using Steinberg::int32;
using Steinberg::char8;
using Steinberg::Vst::CPlugController;
using Steinberg::Vst::ParamID;
using vlt::editor::Control;
namespace ids = Steinberg::Vst::vlt650;
namespace mac = vlt::mac;

const vlt::editor::EditorBuild& kBuild = vlt::editor::kCocoaVst3Build;

ParamID vst3_id(Control c) { return static_cast<ParamID>(host_param(*kBuild.host, c).index); }

// Edits go to the controller, which tells the host and every open view;
// the step buttons select its factory programs through the program
// parameter. Nothing goes out before the view has its controller.
class Vst3Sink final : public mac::EditSink {
public:
    void attach(mac::CocoaViewCore* core) { core_ = core; }
    void set_controller(CPlugController* controller) { controller_ = controller; }

    void begin_edit(Control c) override
    {
        if (controller_)
            controller_->beginEdit(vst3_id(c));
    }
    void set_value(Control c, float fraction) override
    {
        if (!controller_)
            return;
        controller_->setParamNormalized(vst3_id(c), fraction);
        controller_->performEdit(vst3_id(c), fraction);
    }
    void end_edit(Control c) override
    {
        if (controller_)
            controller_->endEdit(vst3_id(c));
    }

    void step_program(int direction) override
    {
        if (!controller_)
            return;
        if (selector_.awake(*core_)) {
            program_ = selector_.step(program_, direction);
            // The controller reads round(5 v); it answers with the new name.
            controller_->setParamNormalized(ids::kPresetId, static_cast<float>(program_) / ids::kPresetSteps);
            return;
        }
        char8 name[64];
        controller_->getFactoryPresetName(program_, name);
        program_name(program_, name);
    }

    // name null: the index only.
    void program_name(int32 index, const char8* name)
    {
        program_ = index;
        if (name)
            selector_.show(*core_, name);
    }

private:
    CPlugController* controller_ = nullptr;  // not retained: it outlives its views
    mac::CocoaViewCore* core_ = nullptr;
    int32 program_ = 0;
    mac::PresetSelector selector_{kBuild, mac::PresetSelector::SleepsAt::kVersion};
};

// The host sizes this view: a UI-size change from the panel (the resize
// corner) keeps the host's frame.
class Vst3Surface final : public mac::ViewSurface {
public:
    explicit Vst3Surface(NSView* view) : ns_view_(view) { view_.attach(view); }
    void attach(mac::CocoaViewCore* core) { core_ = core; }
    void invalidate(int x, int y, int w, int h) override { view_.invalidate(x, y, w, h); }
    void invalidate_all() override { view_.invalidate_all(); }
    void resize_frame(int, int) override
    {
        const NSSize size = [ns_view_ frame].size;
        core_->set_frame_size(size.width, size.height);
    }

private:
    mac::NSViewSurface view_;
    NSView* ns_view_;  // not retained: the view owns us
    mac::CocoaViewCore* core_ = nullptr;
};

using Vst3Parts = mac::ViewParts<Vst3Surface, Vst3Sink>;

}  // namespace

VLT_COCOA_TIMER_TARGET(BrindleVLT650VST3TimerTarget)

@interface BrindleVLT650VST3CocoaView : NSView <BrindleVLT650VST3ViewMethods> {
    Vst3Parts* parts_;
    mac::CocoaViewCore* core_;  // the parts' core
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
    parts_ = new Vst3Parts(self, kBuild, frame.size);
    core_ = &parts_->core;
    parts_->surface.attach(core_);
    core_->set_frame_size(frame.size.width, frame.size.height);
    TheGUIUpdateTarget = [[BrindleVLT650VST3TimerTarget alloc] init];
    [TheGUIUpdateTarget SetCallback:self];
    return self;
}

- (void)dealloc
{
    [self stopEditor];
    [TheGUIUpdateTarget release];
    core_ = nullptr;
    delete parts_;
    [super dealloc];
}

- (void)setController:(CPlugController*)owner
{
    controller = owner;
    parts_->sink.set_controller(owner);
}

// The host sizes the view: the panel is magnified to fit and centred.
- (void)setFrameSize:(NSSize)size
{
    [super setFrameSize:size];
    if (core_)
        core_->set_frame_size(size.width, size.height);
}

- (void)setParameter:(ParamID)paramId :(float)value
{
    Control c;
    if (paramId == ids::kHostBypassId)
        core_->set_mono(value > 0.5f);  // grey while the host bypasses
    else if (control_of_index(*kBuild.host, static_cast<int>(paramId), &c))
        core_->host_value(c, value);
}

- (void)setProgramName:(int32)index :(const char8*)name
{
    parts_->sink.program_name(index, name);
}

VLT_COCOA_VIEW_SHELL_METHODS

@end

namespace Steinberg::Vst::vst3_panel {

namespace {
BrindleVLT650VST3CocoaView* view_of(Panel panel) { return static_cast<BrindleVLT650VST3CocoaView*>(panel); }
}  // namespace

Panel make(CPlugController& controller, int32 width, int32 height)
{
    BrindleVLT650VST3CocoaView* view = [[BrindleVLT650VST3CocoaView alloc] initWithFrame:NSMakeRect(0, 0, width, height)];
    [view setController:&controller];
    return view;
}

void set_parameter(Panel panel, ParamID id, float value) { [view_of(panel) setParameter:id :value]; }

void set_program_name(Panel panel, int32 index, const char8* name)
{
    [view_of(panel) setProgramName:index :name];
}

void show(Panel panel, void* parent)
{
    [view_of(panel) startEditorMain];
    [static_cast<NSView*>(parent) addSubview:view_of(panel)];
}

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
