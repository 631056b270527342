// The macOS VST2 editor's Cocoa view: the shared editor core with the VST2
// build row behind the Cocoa window glue, edits to the plug-in through the
// VST2 editor host, the nine programs on the step buttons, the meter polled
// on every tick and the host window sized with the view.
#include "cocoa/cocoa_view_parts.h"
#include "cocoa/cocoa_view_shell.h"

#include <algorithm>

#include "CEditorGUI.h"
#include "plugin/vst2/CPlug.h"
#include "host_inbox.h"
#include "host_map.h"
#include "plug_params.h"
#include "vst2_editor_host.h"
#include "vst2_panel.h"
#include "vst2_view_methods.h"

namespace {

using vlt::editor::Control;
namespace mac = vlt::mac;

const vlt::editor::EditorBuild& kBuild = vlt::editor::kCocoaVst2Build;

// Edits go to the plug-in, which runs its own parameter path and tells the
// host; the step buttons select the plug-in's programs; a UI-size change
// resizes the view, then the host's window through the plug-in.
using Vst2Parts = mac::ViewParts<vlt::editor::Vst2EditorHost>;

}  // namespace

VLT_COCOA_TIMER_TARGET(BrindleVLT650VSTTimerTarget)

@interface BrindleVLT650VSTCocoaView : NSView <BrindleVLT650VSTViewMethods> {
    Vst2Parts* parts_;
    vlt::editor::CocoaEditorWindow* window_;  // the parts' window glue
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
    parts_ = new Vst2Parts(self, [BrindleVLT650VSTTimerTarget class], kBuild, frame.size);
    window_ = &parts_->window;
    TheGUIUpdateTarget = parts_->timer_target;
    inbox_ = new mac::HostInbox;
    return self;
}

- (void)dealloc
{
    [self stopEditor];
    window_ = nullptr;
    delete parts_;  // and the timer's target
    delete inbox_;
    [super dealloc];
}

- (void)setEffect:(AudioEffect*)effect
{
    mEffect = static_cast<CPlug*>(effect);
    parts_->host.attach(mEffect);
}

- (void)setEditor:(CEditorGUI*)editor
{
    mEditor = editor;
}

// By VST2 index: the plug-in's controls and the UI size; the meter is polled.
- (void)setParameter:(int32_t)index:(float)value
{
    if (index == vlt::params::vst2::index_of(vlt::params::kUiSize))
        [self control_update_ui_size:value];
    else
        inbox_->store_value(index, value);  // it keeps what the host sees, nothing else
}

// Taken for the next open: this view keeps its size.
- (void)control_update_ui_size:(float)size
{
    inbox_->store_value(vlt::params::vst2::index_of(vlt::params::kUiSize), vlt::params::clamp_unit(size));
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
            window_->host_value(c, inbox_->value(i));
    }
    if (changes & mac::HostInbox::kHostEnable)
        window_->core().set_host_eff_enable(inbox_->host_enable());
    if (!(changes & mac::HostInbox::kProgram) || !mEffect)
        return;
    if (opening) {
        window_->core().set_program_index(mEffect->getProgram());
        return;
    }
    char name[vlt::editor::kValueTextMax] = {};
    mEffect->getProgramName(name);
    name[sizeof name - 1] = '\0';
    window_->core().set_program(mEffect->getProgram(), name);
}

- (void)guiUpdateCallback
{
    if (!window_)
        return;
    [self takeHostValues:NO];
    if (mEffect)
        window_->host_value(Control::kMeter, mEffect->meter_value());
    window_->tick();
}

VLT_COCOA_VIEW_SHELL_METHODS_BUT_TICK(vlt::editor::CocoaEditorWindow)

@end

namespace vst2_panel {

namespace {
BrindleVLT650VSTCocoaView* view_of(Panel panel) { return static_cast<BrindleVLT650VSTCocoaView*>(panel); }
}  // namespace

Panel make(AudioEffect* effect, CEditorGUI* editor, int width, int height, float scale)
{
    BrindleVLT650VSTCocoaView* view =
        [[BrindleVLT650VSTCocoaView alloc] initWithFrame:NSMakeRect(0, 0, width, height)];
    [view setEffect:effect];
    [view setEditor:editor];
    [view setScale:scale];
    return view;
}

void set_parameter(Panel panel, int32_t index, float value) { [view_of(panel) setParameter:index:value]; }

void set_host_eff_enable(Panel panel, float enable) { [view_of(panel) setHostEffEnable:enable]; }

void set_program(Panel panel, int32_t program) { [view_of(panel) setProgram:program]; }

void show(Panel panel, void* parent)
{
    BrindleVLT650VSTCocoaView* view = view_of(panel);
    [view takeHostValues:YES];
    [view startEditorMainIn:static_cast<NSView*>(parent)];
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
