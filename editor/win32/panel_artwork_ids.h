#pragma once
// Resource ids of the panel artwork, shared by the resource script and the
// code that reads it.
#define VLT_ART_FRONT_PANEL 128
#define VLT_ART_KNOB_STRIP 129
#define VLT_ART_EFFECT_SWITCH 130
#define VLT_ART_METER_STRIP 131
#define VLT_ART_LEFT_BUTTON 141
#define VLT_ART_RIGHT_BUTTON 142
#define VLT_ART_STATUS_BUTTON 144

#ifndef RC_INVOKED
#include "panel_artwork.h"

namespace vlt::editor {

// 0 for artwork the module does not carry: the window icon (Windows shows
// none) and the Cocoa views' images.
constexpr int artwork_resource_id(Artwork which)
{
    switch (which) {
    case Artwork::kFrontPanel: return VLT_ART_FRONT_PANEL;
    case Artwork::kKnobStrip: return VLT_ART_KNOB_STRIP;
    case Artwork::kSwitchStrip: return VLT_ART_EFFECT_SWITCH;
    case Artwork::kMeterStrip: return VLT_ART_METER_STRIP;
    case Artwork::kLeftStrip: return VLT_ART_LEFT_BUTTON;
    case Artwork::kRightStrip: return VLT_ART_RIGHT_BUTTON;
    case Artwork::kStatusStrip: return VLT_ART_STATUS_BUTTON;
    case Artwork::kWindowIcon:
    case Artwork::kNeonDarkStrip:
    case Artwork::kNeonLitStrip:
    case Artwork::kPowerStrip:
    case Artwork::kSpacerStrip: return 0;
    }
    return 0;
}

}  // namespace vlt::editor
#endif
