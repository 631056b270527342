#pragma once
// Conversions between the plug-in's UTF-8 texts and the interface's UTF-16.
#include <cstddef>

#include "vst3_types.h"

namespace Steinberg {

// Writes src into dst (capacity in UTF-16 units), always terminated.
void utf8_to_utf16(const char8* src, TChar* dst, std::size_t capacity);
// Writes src into dst (capacity in bytes), always terminated; never splits
// a character.
void utf16_to_utf8(const TChar* src, char8* dst, std::size_t capacity);
// Copies a text into a fixed byte field: cut at size - 1, padded with zeros.
void copy_field(char8* dst, const char8* src, std::size_t size);

// Fills one of the interface's 128-unit strings.
inline void to_string128(TChar* dst, const char8* src) { utf8_to_utf16(src, dst, 128); }

}  // namespace Steinberg
