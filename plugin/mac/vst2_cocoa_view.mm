// The macOS VST2 editor's Cocoa view: the shared view core with the VST2
// build row, edits to the plug-in, the nine programs on the step buttons,
// the meter polled on every tick and the host window sized with the view.
#include "cocoa_view_shell.h"

#include "CEditorGUI.h"
#include "CPlug.h"
#include "host_map.h"
#include "plug_params.h"
#include "preset_selector.h"
#include "vst2_panel.h"

namespace {

using vlt::editor::Control;
namespace mac = vlt::mac;

const vlt::editor::EditorBuild& kBuild = vlt::editor::kCocoaVst2Build;

int live_views = 0;

int vst2_index(Control c) { return host_param(*kBuild.host, c).index; }

// Edits go to the plug-in, which runs its own parameter path and tells the
// host; the step buttons select the plug-in's programs.
class Vst2Sink final : public mac::EditSink {
public:
    explicit Vst2Sink(CPlug* plug) : plug_(plug) {}
    void attach(mac::CocoaViewCore* core) { core_ = core; }

    void begin_edit(Control c) override { plug_->beginEdit(vst2_index(c)); }
    void set_value(Control c, float fraction) override
    {
        plug_->setParameterAutomated(vst2_index(c), fraction);
        if (c == Control::kEffect)
            end_edit(c);  // a switch press is a whole gesture: begin, set and end at once
    }
    void end_edit(Control c) override { plug_->endEdit(vst2_index(c)); }

    void step_program(int direction) override
    {
        if (selector_.awake(*core_)) {
            plug_->setProgram(selector_.step(plug_->getProgram(), direction));
            plug_->updateDisplay();
        }
        show_program();
    }

    void show_program()
    {
        char name[vlt::editor::kValueTextMax] = {};
        plug_->getProgramName(name);
        selector_.show(*core_, name);
    }

private:
    CPlug* plug_;
    mac::CocoaViewCore* core_ = nullptr;
    mac::PresetSelector selector_{kBuild.program_count, mac::PresetSelector::SleepsAt::kBlank};
};

// A UI-size change resizes the view, then asks the host to resize its window.
class Vst2Surface final : public mac::ViewSurface {
public:
    Vst2Surface(NSView* view, CPlug* plug, CEditorGUI* editor) : plug_(plug), editor_(editor) { view_.attach(view); }
    void invalidate(int x, int y, int w, int h) override { view_.invalidate(x, y, w, h); }
    void invalidate_all() override { view_.invalidate_all(); }
    void resize_frame(int width, int height) override
    {
        view_.resize_frame(width, height);
        plug_->sizeWindow(width, height);
        editor_->resizeParentWindow();
    }

private:
    mac::NSViewSurface view_;
    CPlug* plug_;
    CEditorGUI* editor_;
};

}  // namespace

VLT_COCOA_TIMER_TARGET(BrindleVLT650VSTTimerTarget)

@interface BrindleVLT650VSTCocoaView : NSView {
    mac::CocoaViewCore* core_;
    Vst2Surface* surface_;
    Vst2Sink* sink_;
    CPlug* mEffect;
    CEditorGUI* mEditor;
    NSTimer* GUIUpdateTimer;
    id TheGUIUpdateTarget;
}
- (id)initWithFrame:(NSRect)frame effect:(CPlug*)effect editor:(CEditorGUI*)editor;
- (void)takeEditorChanges:(BOOL)opening;
- (void)startEditorMain;
- (void)stopEditor;
@end

@implementation BrindleVLT650VSTCocoaView

- (id)initWithFrame:(NSRect)frame effect:(CPlug*)effect editor:(CEditorGUI*)editor
{
    self = [super initWithFrame:frame];
    if (!self)
        return nil;
    mEffect = effect;
    mEditor = editor;
    surface_ = new Vst2Surface(self, effect, editor);
    sink_ = new Vst2Sink(effect);
    TheGUIUpdateTarget = [[BrindleVLT650VSTTimerTarget alloc] init];
    [TheGUIUpdateTarget SetCallback:self];
    core_ = new mac::CocoaViewCore(kBuild, *sink_, *surface_, frame.size.width, frame.size.height,
                                   mac::screen_backing_scale());
    sink_->attach(core_);
    ++live_views;
    return self;
}

- (void)dealloc
{
    [self stopEditor];
    [TheGUIUpdateTarget release];
    delete core_;
    delete sink_;
    delete surface_;
    --live_views;
    [super dealloc];
}

// What host threads stored in the editor since the last tick. At opening
// the program is only taken as it stands: the banner shows the version.
- (void)takeEditorChanges:(BOOL)opening
{
    const unsigned changes = mEditor->take_changes();
    for (int i = 0; i <= vlt::params::kUiSize; ++i) {
        Control c;
        if ((changes >> i & 1u) && control_of_index(*kBuild.host, i, &c))
            core_->host_value(c, mEditor->value(i));
    }
    if (changes & CEditorGUI::kHostEnableChanged)
        core_->set_mono(!(mEditor->host_enable() > 0.5f));
    if ((changes & CEditorGUI::kProgramChanged) && !opening)
        sink_->show_program();
}

- (void)guiUpdateCallback
{
    if (!core_)
        return;
    [self takeEditorChanges:NO];
    core_->host_value(Control::kMeter, mEffect->meter_value());
    core_->tick();
}

VLT_COCOA_VIEW_SHELL_METHODS_BUT_TICK

@end

namespace vst2_panel {

Panel make(AudioEffect* effect, CEditorGUI* editor, int width, int height, float scale)
{
    BrindleVLT650VSTCocoaView* view =
        [[BrindleVLT650VSTCocoaView alloc] initWithFrame:NSMakeRect(0, 0, width, height)
                                                  effect:static_cast<CPlug*>(effect)
                                                  editor:editor];
    [view setScale:scale];
    return view;
}

void show(Panel panel, void* parent)
{
    BrindleVLT650VSTCocoaView* view = static_cast<BrindleVLT650VSTCocoaView*>(panel);
    [view takeEditorChanges:YES];
    [view startEditorMain];
    [static_cast<NSView*>(parent) addSubview:view];
}

void close(Panel panel)
{
    BrindleVLT650VSTCocoaView* view = static_cast<BrindleVLT650VSTCocoaView*>(panel);
    [view stopEditor];
    [view removeFromSuperview];
    [view release];
}

int live_count() { return live_views; }

}  // namespace vst2_panel
