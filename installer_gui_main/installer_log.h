// Installer log lines: standard output, flushed at once so a crash or a
// signal never loses the last line.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

#if defined(__GNUC__)
#define QELM_PRINTF_LIKE(f, a) __attribute__((format(printf, f, a)))
#else
#define QELM_PRINTF_LIKE(f, a)
#endif

void log_printf(const char* fmt, ...) QELM_PRINTF_LIKE(1, 2);

// "%s %s Installer" with product name and version; log lines carry it.
const char* installer_title();
void set_installer_title(const char* product, const char* version);

// Text from outside (a folder name, a program's message) as one log line:
// backslashes written as \\, and as \xHH for each of their bytes the C0 and
// C1 controls, DEL, the line and paragraph separators, the bidirectional
// embeddings, overrides and isolates, and bytes that are not UTF-8. So it
// can neither end the line, reach the terminal as an escape sequence, nor
// show itself in another order.
std::string log_safe(std::string_view text);
