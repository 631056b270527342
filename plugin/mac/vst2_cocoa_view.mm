// The macOS VST2 editor's Cocoa view: the shared view core with the VST2
// build row, edits to the plug-in, the nine programs on the step buttons,
// the meter polled on every tick and the host window sized with the view.
#include "cocoa_view_shell.h"

#include <algorithm>

#include "CEditorGUI.h"
#include "CPlug.h"
#include "host_inbox.h"
#include "host_map.h"
#include "plug_params.h"
#include "preset_selector.h"
#include "view_parts.h"
#include "vst2_panel.h"
#include "vst2_view_methods.h"

namespace {

using vlt::editor::Control;
namespace mac = vlt::mac;

const vlt::editor::EditorBuild& kBuild = vlt::editor::kCocoaVst2Build;

int vst2_index(Control c) { return host_param(*kBuild.host, c).index; }

// Edits go to the plug-in, which runs its own parameter path and tells the
// host; the step buttons select the plug-in's programs. Nothing goes out
// before the view has its plug-in (setEffect:).
class Vst2Sink final : public mac::EditSink {
public:
    void attach(mac::CocoaViewCore* core) { core_ = core; }
    void set_effect(CPlug* plug) { plug_ = plug; }

    void begin_edit(Control c) override
    {
        if (plug_)
            plug_->beginEdit(vst2_index(c));
    }
    void set_value(Control c, float fraction) override
    {
        if (!plug_)
            return;
        plug_->setParameterAutomated(vst2_index(c), fraction);
        if (c == Control::kEffect)
            end_edit(c);  // a switch press is a whole gesture: begin, set and end at once
    }
    void end_edit(Control c) override
    {
        if (plug_)
            plug_->endEdit(vst2_index(c));
    }

    void step_program(int direction) override
    {
        if (!plug_)
            return;
        if (selector_.awake(*core_)) {
            plug_->setProgram(selector_.step(plug_->getProgram(), direction));
            plug_->updateDisplay();
        }
        show_program();
    }

    void show_program()
    {
        if (!plug_)
            return;
        char name[vlt::editor::kValueTextMax] = {};
        plug_->getProgramName(name);
        selector_.show(*core_, name);
    }

private:
    CPlug* plug_ = nullptr;
    mac::CocoaViewCore* core_ = nullptr;
    mac::PresetSelector selector_{kBuild, mac::PresetSelector::SleepsAt::kBlank};
};

// A UI-size change resizes the view, then asks the host to resize its window.
class Vst2Surface final : public mac::ViewSurface {
public:
    explicit Vst2Surface(NSView* view) { view_.attach(view); }
    void set_effect(CPlug* plug) { plug_ = plug; }
    void set_editor(CEditorGUI* editor) { editor_ = editor; }
    void invalidate(int x, int y, int w, int h) override { view_.invalidate(x, y, w, h); }
    void invalidate_all() override { view_.invalidate_all(); }
    void resize_frame(int width, int height) override
    {
        view_.resize_frame(width, height);
        if (plug_)
            plug_->sizeWindow(width, height);
        if (editor_)
            editor_->resizeParentWindow();
    }

private:
    mac::NSViewSurface view_;
    CPlug* plug_ = nullptr;
    CEditorGUI* editor_ = nullptr;
};

using Vst2Parts = mac::ViewParts<Vst2Surface, Vst2Sink>;

}  // namespace

VLT_COCOA_TIMER_TARGET(BrindleVLT650VSTTimerTarget)

@interface BrindleVLT650VSTCocoaView : NSView <BrindleVLT650VSTViewMethods> {
    Vst2Parts* parts_;
    mac::CocoaViewCore* core_;  // the parts' core
    mac::HostInbox* inbox_;
    CPlug* mEffect;
    CEditorGUI* mEditor;
    NSTimer* GUIUpdateTimer;
    id TheGUIUpdateTarget;
}
- (void)takeHostValues:(BOOL)opening;
@end

@implementation BrindleVLT650VSTCocoaView

- (id)initWithFrame:(NSRect)frame
{
    self = [super initWithFrame:frame];
    if (!self)
        return nil;
    parts_ = new Vst2Parts(self, kBuild, frame.size);
    core_ = &parts_->core;
    inbox_ = new mac::HostInbox;
    TheGUIUpdateTarget = [[BrindleVLT650VSTTimerTarget alloc] init];
    [TheGUIUpdateTarget SetCallback:self];
    return self;
}

- (void)dealloc
{
    [self stopEditor];
    [TheGUIUpdateTarget release];
    core_ = nullptr;
    delete parts_;
    delete inbox_;
    [super dealloc];
}

- (void)setEffect:(AudioEffect*)effect
{
    mEffect = static_cast<CPlug*>(effect);
    parts_->sink.set_effect(mEffect);
    parts_->surface.set_effect(mEffect);
}

- (void)setEditor:(CEditorGUI*)editor
{
    mEditor = editor;
    parts_->surface.set_editor(editor);
}

// 0..6 the plug-in's controls, 7 the UI size; the meter (8) is polled.
- (void)setParameter:(int32_t)index :(float)value
{
    if (index == vlt::params::kUiSize)
        [self control_update_ui_size:value];
    else if (index >= 0 && index < vlt::params::kUiSize)
        inbox_->store_value(index, value);
}

// Taken for the next open: this view keeps its size.
- (void)control_update_ui_size:(float)size
{
    inbox_->store_value(vlt::params::kUiSize, std::clamp(size, 0.0f, 1.0f));
}

- (void)setHostEffEnable:(float)enable
{
    inbox_->store_host_enable(enable);
}

// The plug-in already holds the program: the tick shows its name.
- (void)setProgram:(int32_t)program
{
    (void)program;
    inbox_->mark_program();
}

// What the setters stored since the last tick. At opening the program is
// only taken as it stands: the banner shows the version.
- (void)takeHostValues:(BOOL)opening
{
    const unsigned changes = inbox_->take();
    for (int i = 0; i < mac::HostInbox::kValues; ++i) {
        Control c;
        if ((changes >> i & 1u) && control_of_index(*kBuild.host, i, &c))
            core_->host_value(c, inbox_->value(i));
    }
    if (changes & mac::HostInbox::kHostEnable)
        core_->set_mono(!(inbox_->host_enable() > 0.5f));
    if ((changes & mac::HostInbox::kProgram) && !opening)
        parts_->sink.show_program();
}

- (void)guiUpdateCallback
{
    if (!core_)
        return;
    [self takeHostValues:NO];
    if (mEffect)
        core_->host_value(Control::kMeter, mEffect->meter_value());
    core_->tick();
}

VLT_COCOA_VIEW_SHELL_METHODS_BUT_TICK

@end

namespace vst2_panel {

namespace {
BrindleVLT650VSTCocoaView* view_of(Panel panel) { return static_cast<BrindleVLT650VSTCocoaView*>(panel); }
}  // namespace

Panel make(AudioEffect* effect, CEditorGUI* editor, int width, int height, float scale)
{
    BrindleVLT650VSTCocoaView* view = [[BrindleVLT650VSTCocoaView alloc] initWithFrame:NSMakeRect(0, 0, width, height)];
    [view setEffect:effect];
    [view setEditor:editor];
    [view setScale:scale];
    return view;
}

void set_parameter(Panel panel, int32_t index, float value) { [view_of(panel) setParameter:index :value]; }

void set_host_eff_enable(Panel panel, float enable) { [view_of(panel) setHostEffEnable:enable]; }

void set_program(Panel panel, int32_t program) { [view_of(panel) setProgram:program]; }

void show(Panel panel, void* parent)
{
    BrindleVLT650VSTCocoaView* view = view_of(panel);
    [view takeHostValues:YES];
    [view startEditorMain];
    [static_cast<NSView*>(parent) addSubview:view];
}

void close(Panel panel)
{
    BrindleVLT650VSTCocoaView* view = view_of(panel);
    [view stopEditor];
    [view removeFromSuperview];
    [view release];
}

int live_count() { return Vst2Parts::live(); }

}  // namespace vst2_panel
