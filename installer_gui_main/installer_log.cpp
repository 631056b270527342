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

std::string log_safe(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text) {
        if (c == '\\') {
            out += "\\\\";
        } else if (is_control_byte(c)) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}
