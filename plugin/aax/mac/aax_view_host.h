#pragma once
// The macOS AAX view's host objects: the three the GUI object hands over
// (borrowed, each possibly absent) and the modifier bits of the press being
// handled, for the AAX editor host; and the meter the tick polls.
#include <cstdint>

#include "AAX_HostWrappers.h"
#include "VLT650_EditorHost.h"

namespace vlt::aax_view {

class AaxViewHost final : public VLT650_HostObjects {
public:
    void set_parameters(AAX_IACFEffectParameters* p) { parameters_ = p; }
    void set_container(AAX_IViewContainer* c) { container_ = c; }
    void set_controller(AAX_IController* c) { controller_ = c; }
    bool has_controller() const { return controller_ != nullptr; }
    void set_press_modifiers(uint32_t modifiers) { modifiers_ = modifiers; }

    AAX_IACFEffectParameters* effect_parameters() const override { return parameters_; }
    AAX_IViewContainer* view_container() const override { return container_; }
    uint32_t press_modifiers() const override { return modifiers_; }

    // The gain-reduction meter as the host reports it: 0 until a read
    // succeeds, then the last value read successfully.
    float poll_meter();

private:
    AAX_IACFEffectParameters* parameters_ = nullptr;
    AAX_IViewContainer* container_ = nullptr;
    AAX_IController* controller_ = nullptr;
    uint32_t modifiers_ = 0;
    float meter_ = 0.0f;
};

}  // namespace vlt::aax_view
