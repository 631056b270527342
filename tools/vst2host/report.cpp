#include "report.h"

#include <string>

namespace vst2host {

namespace {

std::string fourcc_text(int32_t id)
{
    std::string s;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const char c = static_cast<char>((static_cast<uint32_t>(id) >> shift) & 0xff);
        s += (c >= 32 && c < 127) ? c : '?';
    }
    return s;
}

}  // namespace

void print_identity(std::FILE* out, const PluginInstance& plugin)
{
    const AEffect* e = plugin.effect();
    std::fprintf(out, "name: %s\n", plugin.text(effGetEffectName).c_str());
    std::fprintf(out, "vendor: %s\n", plugin.text(effGetVendorString).c_str());
    std::fprintf(out, "product: %s\n", plugin.text(effGetProductString).c_str());
    std::fprintf(out, "vendor version: %ld\n", static_cast<long>(plugin.dispatch(effGetVendorVersion)));
    std::fprintf(out, "vst version: %ld\n", static_cast<long>(plugin.dispatch(effGetVstVersion)));
    std::fprintf(out, "unique id: %d '%s'\n", e->uniqueID, fourcc_text(e->uniqueID).c_str());
    std::fprintf(out, "version: %d\n", e->version);
    std::fprintf(out, "inputs: %d\noutputs: %d\n", e->numInputs, e->numOutputs);
    std::fprintf(out, "has editor: %d\ncan replace: %d\n", (e->flags & effFlagsHasEditor) ? 1 : 0,
                 (e->flags & effFlagsCanReplacing) ? 1 : 0);
    ERect* rect = nullptr;
    if (plugin.dispatch(effEditGetRect, 0, 0, &rect) && rect)
        std::fprintf(out, "editor size: %d x %d\n", rect->right - rect->left, rect->bottom - rect->top);
}

void print_parameters(std::FILE* out, const PluginInstance& plugin)
{
    AEffect* e = plugin.effect();
    std::fprintf(out, "parameters: %d\n", e->numParams);
    for (int32_t i = 0; i < e->numParams; ++i) {
        const float v = e->getParameter(e, i);
        std::fprintf(out, "  %2d %-10s %8.6f  %s%s%s  automatable %ld\n", i, plugin.param_name(i).c_str(),
                     static_cast<double>(v), plugin.param_display(i).c_str(),
                     plugin.param_label(i).empty() ? "" : " ", plugin.param_label(i).c_str(),
                     static_cast<long>(plugin.dispatch(effCanBeAutomated, i)));
    }
}

void print_programs(std::FILE* out, const PluginInstance& plugin)
{
    const AEffect* e = plugin.effect();
    std::fprintf(out, "programs: %d (current %ld)\n", e->numPrograms,
                 static_cast<long>(plugin.dispatch(effGetProgram)));
    for (int32_t i = 0; i < e->numPrograms; ++i)
        std::fprintf(out, "  %2d %s\n", i, plugin.program_name(i).c_str());
}

}  // namespace vst2host
