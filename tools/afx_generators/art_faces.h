// The pictures of the editor and the installer, drawn from code.
#pragma once

#include "art_canvas.h"

namespace art {
constexpr int kKnobFrames = 39;
art_canvas front_panel();            // 144 x 494
art_canvas knob_strip();             // 48 x 1872, 39 frames
art_canvas effect_switch();          // 44 x 40, off above on
art_canvas meter_strip();            // 32 x 256, lit 119 rows above unlit 119 rows
art_canvas small_button(int glyph);  // 32 x 32, normal above lit; 0 status, 1 left, 2 right,
                                     // 3 power
art_canvas neon_switch(bool lamp);   // 44 x 40, out above in, lamp dark or lit
art_canvas spacer();                 // 48 x 16
art_canvas window_icon(int size);    // size x size
art_canvas installer_splash();       // 600 x 400
art_canvas installer_background();   // 600 x 336
}  // namespace art
