// Panel artwork of the plug-in editors as GdkPixdata streams, generated at
// build time by afx_artwork_gen (see art_faces.cpp for the drawing).
#pragma once

#include <cstdint>

extern const uint8_t afx_art_front_panel[];    // 144 x 494
extern const uint8_t afx_art_knob_strip[];     // 48 x 1872, 39 frames of 48 x 48
extern const uint8_t afx_art_effect_switch[];  // 44 x 40, 2 frames
extern const uint8_t afx_art_meter_strip[];    // 32 x 256, lit 32 x 119 above unlit
extern const uint8_t afx_art_status_button[];  // 32 x 32, 2 frames
extern const uint8_t afx_art_left_button[];    // 32 x 32, 2 frames
extern const uint8_t afx_art_right_button[];   // 32 x 32, 2 frames
extern const uint8_t afx_art_window_icon[];    // 32 x 32
// The Cocoa views' panel.
extern const uint8_t afx_art_neon_switch_dark[];  // 44 x 40, 2 frames, lamp dark
extern const uint8_t afx_art_neon_switch_lit[];   // 44 x 40, 2 frames, lamp lit
extern const uint8_t afx_art_power_button[];      // 32 x 32, 2 frames
extern const uint8_t afx_art_preset_spacer[];     // 48 x 16

struct afx_art_entry {
    const char* name;
    const uint8_t* stream;
};
extern const afx_art_entry afx_art_editor_images[];
extern const int afx_art_editor_image_count;
