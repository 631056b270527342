// The panel artwork from the toolkit's generated images.
#include "afx_artwork.h"
#include "panel_artwork.h"

namespace vlt::editor {

const uint8_t* artwork(Artwork which)
{
    switch (which) {
    case Artwork::kFrontPanel: return afx_art_front_panel;
    case Artwork::kKnobStrip: return afx_art_knob_strip;
    case Artwork::kSwitchStrip: return afx_art_effect_switch;
    case Artwork::kMeterStrip: return afx_art_meter_strip;
    case Artwork::kStatusStrip: return afx_art_status_button;
    case Artwork::kLeftStrip: return afx_art_left_button;
    case Artwork::kRightStrip: return afx_art_right_button;
    case Artwork::kWindowIcon: return afx_art_window_icon;
    case Artwork::kNeonDarkStrip: return afx_art_neon_switch_dark;
    case Artwork::kNeonLitStrip: return afx_art_neon_switch_lit;
    case Artwork::kPowerStrip: return afx_art_power_button;
    case Artwork::kSpacerStrip: return afx_art_preset_spacer;
    }
    return nullptr;
}

}  // namespace vlt::editor
