// Pieces shared by the installer's widgets: unscaled boxes, scaled by
// the magnification for hit tests and for queueing a redraw.
#pragma once

#include "afx/core/afx_pixbuf.h"

struct widget_box {
    int x = 0, y = 0, width = 0, height = 0;

    // The box in window pixels: the near edges drop the fraction, the far
    // edges round to the nearest pixel.
    widget_box scaled(float m) const
    {
        const int x0 = static_cast<int>(m * x), y0 = static_cast<int>(m * y);
        return {x0, y0, static_cast<int>(m * (x + width) + 0.5f) - x0,
                static_cast<int>(m * (y + height) + 0.5f) - y0};
    }
    // Both far edges belong to the box.
    bool hit(float m, int px, int py) const
    {
        const widget_box s = scaled(m);
        return s.x <= px && px <= s.x + s.width && s.y <= py && py <= s.y + s.height;
    }
};

struct widget_rgb {
    int r = 0, g = 0, b = 0;
};

class AFX_engine;
class AFX_font_engine;

// Queues the box, scaled, for redrawing in the window (no engine: nothing).
void queue_widget_box(AFX_engine* engine, int window, const widget_box& b, float m);
// Fills the box with a colour (the widgets' undraw).
void fill_widget_box(afx_pixbuf* buf, const widget_box& b, const widget_rgb& c);

// A frame whose four corner pixels stay unset (entry and progress bar).
void draw_open_corner_frame(afx_pixbuf* buf, const widget_box& b, const widget_rgb& c);
// The two-pixel text cursor, 10 pixels tall, ending on the baseline.
void draw_text_cursor(afx_pixbuf* buf, int column, int baseline, const widget_rgb& c);
// BackSpace in an entry: the last character goes, a whole UTF-8 sequence
// when the font works in UTF-8 (no font: the last byte).
void remove_last_character(const AFX_font_engine* font, char* text);
// The column where text ends and the cursor stands: after the text, but
// never past two pixels inside the right edge.
int cursor_column(const widget_box& b, int text_width);
