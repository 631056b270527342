#pragma once
// The macOS AAX view's way to the host: the three host objects the GUI
// object hands over (borrowed, each possibly absent), addressed by the view's
// control numbers 0..6 in the AAX host map's order. Every call is skipped
// while its object is missing.
#include <cstdint>

#include "AAX_HostWrappers.h"

namespace vlt::aax_view {

class AaxViewHost {
public:
    void set_parameters(AAX_IACFEffectParameters* p) { parameters_ = p; }
    void set_container(AAX_IViewContainer* c) { container_ = c; }
    void set_controller(AAX_IController* c) { controller_ = c; }
    bool has_controller() const { return controller_ != nullptr; }

    // False when the host's container took the click (it answered 0): the
    // view then leaves that control alone. Without a container the view
    // always handles it.
    bool offer_click(int control, uint32_t modifiers) const;

    void touch(int control) const;
    void set(int control, double value) const;
    void release(int control) const;
    void edit(int control, double value) const;  // touch, set and release at once

    // The gain-reduction meter as the host reports it: 0 until a read
    // succeeds, then the last value read successfully.
    float poll_meter();

private:
    AAX_IACFEffectParameters* parameters_ = nullptr;
    AAX_IViewContainer* container_ = nullptr;
    AAX_IController* controller_ = nullptr;
    float meter_ = 0.0f;
};

}  // namespace vlt::aax_view
