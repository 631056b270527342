#include "installer_log.h"

#include <cstdio>

#include "control_bytes.h"

namespace {
char g_title[1024] = "Installer";
}

void log_printf(const char* fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    std::vfprintf(stdout, fmt, ap);
    va_end(ap);
    std::fflush(stdout);
}

const char* installer_title() { return g_title; }

void set_installer_title(const char* product, const char* version)
{
    std::snprintf(g_title, sizeof g_title, "%s %s Installer", product, version);
}

namespace {

// The code point of the well-formed UTF-8 sequence at the start of `s` and
// its length, or 0 when there is none (a stray, overlong or surrogate byte).
size_t utf8_sequence(std::string_view s, unsigned& cp)
{
    const auto byte = [&](size_t i) { return i < s.size() ? static_cast<unsigned char>(s[i]) : 0u; };
    const unsigned b0 = byte(0);
    size_t len = 0;
    unsigned lo = 0x80, hi = 0xbf;  // the range of the second byte
    if (b0 >= 0xc2 && b0 <= 0xdf) {
        len = 2;
        cp = b0 & 0x1f;
    } else if (b0 >= 0xe0 && b0 <= 0xef) {
        len = 3;
        cp = b0 & 0x0f;
        lo = b0 == 0xe0 ? 0xa0 : 0x80;
        hi = b0 == 0xed ? 0x9f : 0xbf;
    } else if (b0 >= 0xf0 && b0 <= 0xf4) {
        len = 4;
        cp = b0 & 0x07;
        lo = b0 == 0xf0 ? 0x90 : 0x80;
        hi = b0 == 0xf4 ? 0x8f : 0xbf;
    } else {
        return 0;
    }
    for (size_t i = 1; i < len; ++i) {
        const unsigned b = byte(i);
        if (b < (i == 1 ? lo : 0x80) || b > (i == 1 ? hi : 0xbf))
            return 0;
        cp = cp << 6 | (b & 0x3f);
    }
    return len;
}

// Characters a terminal or a viewer acts on rather than shows: the C1
// controls (CSI among them), line and paragraph separators, and the
// bidirectional embeddings, overrides and isolates that reorder a line.
bool acts_on_display(unsigned cp)
{
    return (cp >= 0x80 && cp <= 0x9f) || (cp >= 0x2028 && cp <= 0x202e) || (cp >= 0x2066 && cp <= 0x2069);
}

void escape_byte(std::string& out, unsigned char c)
{
    char hex[5];
    std::snprintf(hex, sizeof hex, "\\x%02X", c);
    out += hex;
}

}  // namespace

std::string log_safe(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[at]);
        if (c == '\\') {
            out += "\\\\";
            ++at;
        } else if (c < 0x80) {
            if (is_control_byte(c))
                escape_byte(out, c);
            else
                out += static_cast<char>(c);
            ++at;
        } else {
            // Bytes that are no UTF-8 at all are escaped too: a terminal in
            // an 8-bit locale reads 0x9B as CSI.
            unsigned cp = 0;
            const size_t len = utf8_sequence(text.substr(at), cp);
            const size_t n = len ? len : 1;
            for (size_t i = 0; i < n; ++i) {
                if (len == 0 || acts_on_display(cp))
                    escape_byte(out, static_cast<unsigned char>(text[at + i]));
                else
                    out += text[at + i];
            }
            at += n;
        }
    }
    return out;
}
