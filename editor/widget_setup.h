#pragma once
// A widget's place on the panel and its artwork, handed to the toolkit's
// widget object: one way for every build's panel, whichever table the
// places come from.
#include "afx_banner.h"
#include "afx_rotary.h"
#include "afx_widgets.h"
#include "afx/cocoa/core/afx_neon_button.h"
#include "editor_layout.h"

namespace vlt::editor {

void setup_front_panel(CFrontPanelObject* w, const WidgetPlace& p, afx_pixbuf* panel);
void setup_knob(CRotaryControlObject* w, const WidgetPlace& p, afx_pixbuf* panel, afx_pixbuf* strip);
void setup_button(CPushButtonLatchingObject* w, const WidgetPlace& p, afx_pixbuf* panel, afx_pixbuf* strip);
// The neon lamp switch: dark and lit strips.
void setup_neon(CPushButtonNeonObject* w, const WidgetPlace& p, afx_pixbuf* panel, afx_pixbuf* dark,
                afx_pixbuf* lit);
void setup_meter(CBarMeterObject* w, const WidgetPlace& p, afx_pixbuf* panel, afx_pixbuf* strip);
// Also initialises the banner for the toolkit window.
void setup_banner(CBannerObject* w, const WidgetPlace& p, afx_pixbuf* panel, int window);

}  // namespace vlt::editor
