#include "installer_log.h"

#include <cstdio>

namespace {
char g_title[1024] = "Installer";
}

void log_printf(const char* fmt, ...) {
  va_list ap;
  va_start(ap, fmt);
  std::vfprintf(stdout, fmt, ap);
  va_end(ap);
  std::fflush(stdout);
}

const char* installer_title() { return g_title; }

void set_installer_title(const char* product, const char* version) {
  std::snprintf(g_title, sizeof g_title, "%s %s Installer", product, version);
}
