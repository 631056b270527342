// Minimal PNG writer: 8-bit RGBA, one zlib stream.
#pragma once

#include <cstdint>
#include <string>

bool afx_write_png(const std::string& path, int width, int height, const uint8_t* rgba, int rowstride);
