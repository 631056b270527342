#include "vst3_strings.h"

#include <cstring>

namespace Steinberg {

namespace {

// Decodes one UTF-8 sequence; malformed bytes stand for themselves as
// Latin-1 so no input is lost or overread.
char32_t next_code_point(const unsigned char*& p)
{
    const unsigned c = *p++;
    int extra = c >= 0xF0 && c < 0xF8 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    if (c >= 0xF8)
        extra = 0;
    char32_t cp = extra == 3 ? c & 0x07 : extra == 2 ? c & 0x0F : extra == 1 ? c & 0x1F : c;
    for (int i = 0; i < extra; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return c;
        cp = cp << 6 | (p[i] & 0x3F);
    }
    p += extra;
    return cp;
}

}  // namespace

void utf8_to_utf16(const char8* src, TChar* dst, std::size_t capacity)
{
    if (!dst || capacity == 0)
        return;
    std::size_t n = 0;
    const auto* p = reinterpret_cast<const unsigned char*>(src ? src : "");
    while (*p) {
        const char32_t cp = next_code_point(p);
        if (cp >= 0x10000) {
            if (n + 2 >= capacity)
                break;
            dst[n++] = static_cast<TChar>(0xD800 + ((cp - 0x10000) >> 10));
            dst[n++] = static_cast<TChar>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            if (n + 1 >= capacity)
                break;
            dst[n++] = static_cast<TChar>(cp);
        }
    }
    dst[n] = 0;
}

void utf16_to_utf8(const TChar* src, char8* dst, std::size_t capacity)
{
    if (!dst || capacity == 0)
        return;
    std::size_t n = 0;
    for (const TChar* p = src ? src : u""; *p; ++p) {
        char32_t cp = *p;
        if (cp >= 0xD800 && cp < 0xDC00 && p[1] >= 0xDC00 && p[1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (p[1] - 0xDC00);
            ++p;
        }
        char buf[4];
        std::size_t len;
        if (cp < 0x80) {
            buf[0] = static_cast<char>(cp);
            len = 1;
        } else if (cp < 0x800) {
            buf[0] = static_cast<char>(0xC0 | cp >> 6);
            buf[1] = static_cast<char>(0x80 | (cp & 0x3F));
            len = 2;
        } else if (cp < 0x10000) {
            buf[0] = static_cast<char>(0xE0 | cp >> 12);
            buf[1] = static_cast<char>(0x80 | (cp >> 6 & 0x3F));
            buf[2] = static_cast<char>(0x80 | (cp & 0x3F));
            len = 3;
        } else {
            buf[0] = static_cast<char>(0xF0 | cp >> 18);
            buf[1] = static_cast<char>(0x80 | (cp >> 12 & 0x3F));
            buf[2] = static_cast<char>(0x80 | (cp >> 6 & 0x3F));
            buf[3] = static_cast<char>(0x80 | (cp & 0x3F));
            len = 4;
        }
        if (n + len >= capacity)
            break;
        std::memcpy(dst + n, buf, len);
        n += len;
    }
    dst[n] = 0;
}

void copy_field(char8* dst, const char8* src, std::size_t size)
{
    if (!dst || size == 0)
        return;
    std::memset(dst, 0, size);
    if (src)
        std::memcpy(dst, src, strnlen(src, size - 1));
}

}  // namespace Steinberg
