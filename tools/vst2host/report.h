#pragma once
// What `vst2host info` prints about a loaded plug-in.
#include <cstdio>

#include "plugin_instance.h"

namespace vst2host {

void print_identity(std::FILE* out, const PluginInstance& plugin);
void print_parameters(std::FILE* out, const PluginInstance& plugin);
void print_programs(std::FILE* out, const PluginInstance& plugin);

}  // namespace vst2host
