#include "widget_box.h"

#include <cstring>

#include "afx/afx_engine_windows.h"
#include "afx/core/afx_font_engine.h"

void queue_widget_box(AFX_engine* engine, int window, const widget_box& b, float m)
{
    const widget_box s = b.scaled(m);
    if (engine)
        window_ext(*engine).afx_queue_afx_draw_area_fixed(window, s.x, s.y, s.width, s.height);
}

void fill_widget_box(afx_pixbuf* buf, const widget_box& b, const widget_rgb& c)
{
    AFX_drawing::afxline_block_fill_to_pixbuf(buf, b.x, b.y, b.width, b.height, c.r, c.g, c.b);
}

void draw_open_corner_frame(afx_pixbuf* buf, const widget_box& b, const widget_rgb& c)
{
    const int x = b.x, y = b.y, w = b.width, h = b.height;
    AFX_drawing::draw_horiz_line_to_pixbuf(buf, x + 1, y, x + w - 1, y, c.r, c.g, c.b, 255);
    AFX_drawing::draw_horiz_line_to_pixbuf(buf, x + 1, y + h, x + w - 1, y + h, c.r, c.g, c.b, 255);
    AFX_drawing::draw_vert_line_to_pixbuf(buf, x, y + 1, x, y + h - 1, c.r, c.g, c.b, 255);
    AFX_drawing::draw_vert_line_to_pixbuf(buf, x + w, y + 1, x + w, y + h - 1, c.r, c.g, c.b, 255);
}

void draw_text_cursor(afx_pixbuf* buf, int column, int baseline, const widget_rgb& c)
{
    for (int col = column; col <= column + 1; ++col)
        AFX_drawing::draw_vert_line_to_pixbuf(buf, col, baseline, col, baseline - 10, c.r, c.g, c.b, 255);
}

int cursor_column(const widget_box& b, int text_width)
{
    const int c = b.x + 3 + text_width;
    return c >= b.x + b.width - 1 ? b.x + b.width - 2 : c;
}

void remove_last_character(const AFX_font_engine* font, char* text)
{
    const size_t n = strlen(text);
    // The font engine leaves a text that fills the size it is given alone:
    // give it the text's own length with room to spare, so a full entry can
    // still be shortened.
    if (font)
        font->remove_char(text, static_cast<int>(n) + 2);
    else if (n)
        text[n - 1] = 0;
}
