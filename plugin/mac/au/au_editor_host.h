#pragma once
// The Audio Unit as the editor's host: a parameter set from the view's
// listener with the view as the sender (so the view does not hear its own
// write, every other listener does), framed by begin and end gesture
// events. The unit keeps the UI size as its parameter 9; it has no
// programs and sizes no window.
#include <AudioToolbox/AudioToolbox.h>

#include "au_params.h"
#include "editor_host.h"

namespace vlt::mac {

using editor::Control;

constexpr int kAuParameterCount = params::au::kParameterCount;  // global scope, element 0

class AuEditorHost final : public editor::EditorHost {
public:
    // The listener handle and the ten records are the view's; the adapter
    // reads them at each edit (the listener appears at setAU:).
    AuEditorHost(void* view, const AUParameterListenerRef* listener, const AudioUnitParameter* parameters)
        : view_(view), listener_(listener), parameters_(parameters)
    {
    }

    void begin_edit(Control control) override;
    void set_value(Control control, float fraction) override;
    void end_edit(Control control) override;
    void set_ui_size(float ui_size) override { set_value(Control::kUiSize, ui_size); }
    void set_program(int) override {}
    void program_name(char* text) override { text[0] = '\0'; }
    void size_window(int, int) override {}

private:
    const AudioUnitParameter* record(Control control) const;
    void gesture(Control control, AudioUnitEventType type);

    void* view_;
    const AUParameterListenerRef* listener_;
    const AudioUnitParameter* parameters_;
};

}  // namespace vlt::mac
