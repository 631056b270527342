#pragma once
// The Audio Unit view's edits leave here: a parameter set from the view's
// listener with the view as the sender (so the view does not hear its own
// write, every other listener does), framed by begin and end gesture
// events.
#include <AudioToolbox/AudioToolbox.h>

#include "cocoa_view_ports.h"

namespace vlt::mac {

constexpr int kAuParameterCount = 10;  // ids 0..9, global scope, element 0

class AuEditSink final : public EditSink {
public:
    // The listener handle and the ten records are the view's; the sink reads
    // them at each edit (the listener appears at setAU:).
    AuEditSink(void* view, const AUParameterListenerRef* listener, const AudioUnitParameter* parameters)
        : view_(view), listener_(listener), parameters_(parameters) {}

    void begin_edit(Control control) override;
    void set_value(Control control, float fraction) override;
    void end_edit(Control control) override;

private:
    const AudioUnitParameter* record(Control control) const;
    void gesture(Control control, AudioUnitEventType type);

    void* view_;
    const AUParameterListenerRef* listener_;
    const AudioUnitParameter* parameters_;
};

}  // namespace vlt::mac
