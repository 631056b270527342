#include "model_tables.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <utility>

#include "CPlugFactory.h"
#include "aax_param_ids.h"
#include "au_params.h"
#include "plug_params.h"
#include "plug_program.h"
#include "start_values.h"
#include "vst2_param_ids.h"
#include "vst3_param_ids.h"

namespace docs {

namespace {

namespace params = vlt::params;
using params::Index;

const std::string kNone = "—";

// A plain value as the README writes it: at most two decimals, no
// trailing zeros.
std::string number(double x)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", x);
    std::string s = text;
    while (s.find('.') != std::string::npos && (s.back() == '0' || s.back() == '.'))
        s.pop_back();
    return s == "-0" ? "0" : s;
}

// What the host sees for host value v, as the VST2 build writes it.
std::string shown(Index q, float v)
{
    char text[64];
    params::display(q, v, text, sizeof text);
    return trimmed(text);
}

// The unit is what the display text holds besides its number ("1.00:1",
// "X 1.00"); a switch has none.
std::string unit(Index q)
{
    if (q == params::kEffect)
        return "";
    const std::string s = shown(q, 0.0f);
    const std::size_t from = s.find_first_of("-0123456789");
    const std::size_t to = s.find_first_not_of("-0123456789.", from);
    return trimmed(s.substr(0, from) + (to == std::string::npos ? "" : s.substr(to)));
}

// The VST2 plug-in as a host makes it, without an editor.
intptr_t no_host(AEffect*, int32_t, int32_t, intptr_t, void*, float) { return 0; }

class Vst2Plugin {
public:
    Vst2Plugin() : effect_(create_plug_effect(no_host, nullptr)) {}
    ~Vst2Plugin()
    {
        if (effect_)
            effect_->dispatcher(effect_, effClose, 0, 0, nullptr, 0.0f);
    }
    Vst2Plugin(const Vst2Plugin&) = delete;
    Vst2Plugin& operator=(const Vst2Plugin&) = delete;

    std::string text(int32_t opcode, int32_t index) const
    {
        char buffer[256] = {};
        if (effect_)
            effect_->dispatcher(effect_, opcode, index, 0, buffer, 0.0f);
        return buffer;
    }
    float value(int32_t index) const { return effect_ ? effect_->getParameter(effect_, index) : NAN; }
    int programs() const { return effect_ ? effect_->numPrograms : 0; }

private:
    AEffect* effect_;
};

const Vst2Plugin& vst2_plugin()
{
    static const Vst2Plugin plugin;
    return plugin;
}

std::string range(Index q)
{
    if (params::is_knob(q)) {
        const params::Range& r = params::kKnobRanges[q];
        std::string s = number(r.lo) + " to " + number(r.hi);
        return r.taper == params::Taper::kSquared ? s + ", squared taper" : s;
    }
    switch (q) {
    case params::kEffect: return shown(q, 0.0f) + ", " + shown(q, 1.0f);
    case params::kUiSize: return number(params::kUiSizeRange.lo) + " to " + number(params::kUiSizeRange.hi);
    case params::kMeter: return "0 to " + number(params::kMeterFullScaleDb) + ", read-only";
    case params::kProgram: return "0 to " + std::to_string(params::vst3::kProgramSteps);
    default: return "Off, On";
    }
}

std::string value_text(Index q, float v)
{
    if (params::is_knob(q))
        return number(params::knob_plain(q, v));
    if (q == params::kUiSize)
        return number(params::ui_scale(v));
    return shown(q, v);
}

// Each format's start, grouped where they agree: "In (VST2), Out (VST3, AAX)".
std::string start(Index q)
{
    std::vector<std::pair<std::string, std::string>> starts;  // text, formats
    auto add = [&starts](const std::string& text, const char* format) {
        for (auto& s : starts)
            if (s.first == text) {
                s.second += std::string(", ") + format;
                return;
            }
        starts.emplace_back(text, format);
    };
    if (q == params::kHostBypass) {
        add(params::switched_on(params::kVst3StartHostBypass) ? "On" : "Off", "VST3");
    } else if (q <= params::kUiSize) {
        add(value_text(q, vst2_plugin().value(params::vst2::index_of(q))), "VST2");
        if (params::in_program(q)) {
            add(value_text(q, params::kVst3StartValues[q]), "VST3");
            add(value_text(q, params::kAaxDefaults[q]), "AAX");
        }
    }
    if (starts.empty())
        return kNone;
    if (starts.size() == 1)
        return starts.front().first;
    std::string s;
    for (const auto& [text, formats] : starts)
        s += (s.empty() ? "" : ", ") + text + " (" + formats + ")";
    return s;
}

std::string id_cell(int id) { return id < 0 ? kNone : std::to_string(id); }

std::string vst2_cell(Index q)
{
    const int index = params::vst2::index_of(q);
    return index < params::vst2::kHostVisible ? id_cell(index) : kNone;  // the meter goes to the editor only
}

std::string vst3_cell(Index q)
{
    params::Index found;
    const uint32_t id = params::vst3::id_of(q);
    return params::vst3::quantity_of(id, &found) && found == q ? std::to_string(id) : kNone;
}

std::string aax_cell(Index q)
{
    const char* id = params::aax::id_of(q);
    return id ? "`" + std::string(id) + "`" : kNone;
}

std::string name(Index q)
{
    if (q < params::kHostParams)
        return vst2_plugin().text(effGetParamName, params::vst2::index_of(q));
    switch (q) {
    case params::kMeter: return "Meter";
    case params::kProgram: return "Preset";
    case params::kHostBypass: return "Host Bypass";
    default: return "Power";
    }
}

// The index of the program whose name ends with the preset's.
int program_named(const std::vector<std::string>& names, const std::string& preset)
{
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i].size() >= preset.size() &&
            names[i].compare(names[i].size() - preset.size(), preset.size(), preset) == 0)
            return static_cast<int>(i);
    return -1;
}

}  // namespace

std::string trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return "";
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

Table parameter_table()
{
    Table t;
    t.header = {"parameter",  "range",   "unit",           "default",
                "VST2 index", "VST3 id", "AAX identifier", "Audio Unit id"};
    const Index rows[] = {params::kInGain, params::kThreshold, params::kAttack,     params::kRelease,
                          params::kRatio,  params::kMakeup,    params::kEffect,     params::kUiSize,
                          params::kMeter,  params::kProgram,   params::kHostBypass, params::kPower};
    for (Index q : rows) {
        const std::string u = q < params::kHostParams ? unit(q) : q == params::kMeter ? "dB" : "";
        t.rows.push_back({name(q), range(q), u.empty() ? kNone : u, start(q), vst2_cell(q), vst3_cell(q),
                          aax_cell(q), id_cell(params::au::id_of(q))});
    }
    return t;
}

Table program_table()
{
    Table t;
    t.header = {"preset", "VST2 program", "VST3 program"};
    for (int k = 0; k < params::kProgramValues; ++k)
        t.header.push_back(params::name(k));

    std::vector<std::string> vst2_names;
    for (int i = 0; i < vst2_plugin().programs(); ++i)
        vst2_names.push_back(vst2_plugin().text(effGetProgramNameIndexed, i));
    Steinberg::Vst::CPlugProgram vst3_programs[Steinberg::Vst::vlt650::kProgramCount];
    Steinberg::Vst::vlt650::buildFactoryPrograms(vst3_programs);
    std::vector<std::string> vst3_names;
    for (const auto& p : vst3_programs)
        vst3_names.push_back(p.name);

    for (const params::FactoryPreset& preset : params::kNamedPresetTable) {
        std::vector<std::string> row = {preset.name, id_cell(program_named(vst2_names, preset.name)),
                                        id_cell(program_named(vst3_names, preset.name))};
        for (int k = 0; k < params::kProgramValues; ++k)
            row.push_back(shown(static_cast<Index>(k), preset.value[k]));
        t.rows.push_back(row);
    }
    return t;
}

std::string markdown(const Table& t)
{
    auto line = [](const std::vector<std::string>& cells) {
        std::string s = "|";
        for (const std::string& c : cells)
            s += " " + c + " |";
        return s + "\n";
    };
    std::string s = line(t.header);
    s += line(std::vector<std::string>(t.header.size(), "---"));
    for (const auto& row : t.rows)
        s += line(row);
    return s;
}

}  // namespace docs
