#pragma once
// The AAX view's edit sink on the Cocoa view core: edits go to the host as
// touch / set / release by the AAX identifier of the control's number, a
// press on the switch or a knob is offered to the host's container first,
// and the two step buttons walk the view's own preset table.
#include <cstdint>

#include "aax_view_host.h"
#include "aax_view_programs.h"
#include "cocoa_view_core.h"
#include "preset_selector.h"

namespace vlt::aax_view {

class AaxEditSink final : public mac::EditSink {
public:
    explicit AaxEditSink(AaxViewHost& host);

    // The core is made with this sink, so it is attached afterwards.
    void attach(mac::CocoaViewCore* core) { core_ = core; }
    // The AAX modifier bits of the press being handled, for the offer.
    void set_modifiers(uint32_t modifiers) { modifiers_ = modifiers; }

    void begin_edit(mac::Control control) override;
    void set_value(mac::Control control, float fraction) override;
    void end_edit(mac::Control control) override;
    bool offer_click(mac::Control control, const mac::PointerEvent&) override;
    void step_program(int direction) override;

    // Applies the current record: seven touch / set / release triples and
    // the controls set to its values.
    void apply_program();
    void select_program(int index);
    void init_factory_presets() { vlt::aax_view::init_factory_presets(programs_); }
    int current_program() const { return current_; }
    const CPlugProgram& program(int index) const { return programs_[index]; }

private:
    static constexpr int kEdited = vlt::params::kProgramValues;  // the knobs and the switch
    static int edited(mac::Control control);                     // -1 for the others

    AaxViewHost& host_;
    mac::CocoaViewCore* core_ = nullptr;
    CPlugProgram programs_[kProgramCount];
    int current_ = 0;
    mac::PresetSelector selector_{editor::kCocoaAaxBuild, mac::PresetSelector::SleepsAt::kBlank};
    int open_[kEdited] = {};  // touches not yet released, per control
    uint32_t modifiers_ = 0;
};

}  // namespace vlt::aax_view
