// The editor's 144 x 510 content as the plug-in shows it at its defaults:
// buttons row, panel, knobs, switch, meter and banner text.
#pragma once

#include "afx_pixbuf.h"

// Caller frees with AFX_drawing::afx_pixbuf_destroy_with_allocation.
afx_pixbuf* afx_preview_panel(const char* banner_text, float meter_value);
