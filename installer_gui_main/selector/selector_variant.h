// What sets the folder selector and the two file selectors apart in shape:
// window height, list box, button row, and the window-manager hints.
#pragma once

struct selector_variant {
    int window_height;      // unscaled; the width is always 640
    int list_bottom;        // list frame spans rows 80 .. list_bottom
    int scroller_height;    // also the scroller-scale numerator
    int viewport_bottom;    // the view port ends here, unscaled
    int least_list_height;  // a short list still fills the port
    int buttons_y;
    bool utility_on_top;  // utility window kept on top; otherwise the toolkit's class
};

inline constexpr selector_variant kFolderSelectorShape{432, 352, 272, 350, 268, 368, true};
inline constexpr selector_variant kFileSelectorShape{464, 384, 304, 382, 300, 400, false};
