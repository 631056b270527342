// Installer artwork as GdkPixdata streams, generated at build time.
#pragma once

#include "afx_artwork.h"

#include <cstddef>

extern const uint8_t afx_art_installer_icon[];        // 64 x 64
extern const uint8_t afx_art_installer_background[];  // 600 x 336
extern const uint8_t afx_art_installer_splash[];      // 600 x 400

// The desktop-entry icon, 48 x 48: the bytes of a PNG file.
extern const uint8_t afx_art_installer_desktop_icon_png[];
extern const size_t afx_art_installer_desktop_icon_png_size;

extern const afx_art_entry afx_art_installer_images[];
extern const int afx_art_installer_image_count;
