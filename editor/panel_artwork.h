#pragma once
// The front panel's artwork as GdkPixdata streams (raw 8-bit RGBA), drawn
// once on first use and then read in place like any inline image.
#include <cstdint>

namespace vlt::editor {

enum class Artwork {
    kFrontPanel,   // 144 x 494
    kKnobStrip,    // 48 x 1872, 39 frames of 48 x 48
    kSwitchStrip,  // 44 x 40, Out and In frames
    kMeterStrip,   // 32 x 256, lit rows above the unlit image
    kStatusStrip,  // 32 x 32, two frames of 32 x 16
    kLeftStrip,
    kRightStrip,
    kWindowIcon,  // 32 x 32
    // The Cocoa views' panel.
    kNeonDarkStrip,  // 44 x 40, Out and In frames, lamp dark
    kNeonLitStrip,   // the same, lamp lit
    kPowerStrip,     // 32 x 32, two frames of 32 x 16
    kSpacerStrip,    // 48 x 16, one frame
};

const uint8_t* artwork(Artwork which);

}  // namespace vlt::editor
