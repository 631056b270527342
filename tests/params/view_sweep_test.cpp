// The editors' side: the Audio Unit's plain values both ways, every
// build's knob texts over every knob position, and every build's host map
// naming, for each control, the format's parameter of that quantity.
#include "aax_param_ids.h"
#include "au_params.h"
#include "au_value_table.h"
#include "editor_build.h"
#include "editor_layout.h"
#include "host_map.h"
#include "knob_model.h"
#include "sweep_model.h"
#include "value_text.h"
#include "vst2_param_ids.h"
#include "vst3_param_ids.h"

#include <set>
#include <vector>

namespace {

using namespace sweep;
using vlt::editor::Control;

TEST(ParamSweep, AudioUnitValues)
{
    for (float v : host_values()) {
        for (int k = 0; k < P::kKnobCount; ++k) {
            const auto q = static_cast<P::Index>(k);
            const Control c = vlt::editor::control_of(q);
            const P::Range& r = P::kKnobRanges[q];
            // The view sends knob value / 99 as it is: no clamp here.
            const float plain = vlt::mac::au_plain_value(c, v);
            expect_plain(model_plain(r, v), plain, rounding(r, v), where("AU plain", q, v));
            if (!(v >= 0.0f && v <= 1.0f))
                continue;
            // And back: the knob lands where it was sent from.
            EXPECT_NEAR(vlt::mac::au_fraction(c, plain), v, 1e-5) << where("AU back", q, v);
            EXPECT_NEAR(vlt::mac::au_fraction(c, static_cast<float>(model_plain(r, v))), v, 1e-5);
        }
        const float taken = P::clamp_unit(v);
        if (v >= 0.0f && v <= 1.0f) {
            const double size = model_plain(P::kUiSizeRange, v);
            EXPECT_NEAR(vlt::mac::au_plain_value(Control::kUiSize, v), size, 1e-6) << v;
            EXPECT_NEAR(vlt::mac::au_fraction(Control::kUiSize, static_cast<float>(size)), v, 1e-6) << v;
        }
        // The bypass is the switch inverted; power and bypass read back alike.
        EXPECT_EQ(vlt::mac::au_plain_value(Control::kEffect, v), v > P::kSwitchMidpoint ? 0.0f : 1.0f);
        EXPECT_EQ(vlt::mac::au_fraction(Control::kEffect, v), v > P::kSwitchMidpoint ? 0.0f : 1.0f);
        EXPECT_EQ(vlt::mac::au_plain_value(Control::kPower, v), v > P::kSwitchMidpoint ? 1.0f : 0.0f);
        const float db = P::kMeterFullScaleDb * taken;
        EXPECT_FLOAT_EQ(vlt::mac::au_fraction(Control::kMeter, db), taken) << v;
        EXPECT_EQ(vlt::mac::au_plain_value(Control::kMeter, v), 0.0f);  // never sent
    }
    // Ratio values below 1:1 have no root: the knob's bottom.
    EXPECT_EQ(vlt::mac::au_fraction(Control::kRatio, 0.5f), 0.0f);
    EXPECT_EQ(vlt::mac::au_fraction(Control::kRatio, std::nanf("")), 0.0f);
}

const vlt::editor::EditorBuild* const kBuilds[] = {
    &vlt::editor::kLinuxVst2Build,  &vlt::editor::kWindowsVst2Build, &vlt::editor::kWindowsVst3Build,
    &vlt::editor::kWindowsAaxBuild, &vlt::editor::kCocoaAuBuild,     &vlt::editor::kCocoaAaxBuild,
    &vlt::editor::kCocoaVst2Build,  &vlt::editor::kCocoaVst3Build,
};

// Label, unit, scale and last shown digit's half of each knob's text;
// Threshold and Makeup are labelled by build, so only their numbers and
// units count.
struct KnobText {
    const char* label;
    const char* unit;
    double scale;
    double shown;
};
const KnobText kKnobTexts[P::kKnobCount] = {
    {"In Gain ", " dB", 1.0, 0.05},    {"", " dB", 1.0, 0.05},        {"Attack ", " ms", 1.0, 0.05},
    {"Release ", " sec", 1e-3, 0.005}, {"Ratio ", " : 1", 1.0, 0.05}, {"", " dB", 1.0, 0.05},
};

std::string number_part(const std::string& text)
{
    const std::size_t at = text.find_first_of("-0123456789");
    return at == std::string::npos ? text : text.substr(at);
}

TEST(ParamSweep, EditorKnobTexts)
{
    for (const auto* build : kBuilds)
        for (int knob = 0; knob < P::kKnobCount; ++knob)
            for (int position = 0; position <= 99; ++position) {
                const float k = static_cast<float>(position);
                char text[vlt::editor::kValueTextMax];
                vlt::editor::knob_value_text(*build, knob, k, text, sizeof text);
                const KnobText& t = kKnobTexts[knob];
                const std::string shown = t.label[0] ? std::string(text) : number_part(text);
                std::string unit;
                const P::Range& r = P::kKnobRanges[knob];
                const float v = k / vlt::editor::kKnobMax;
                // At its detent the In Gain knob shows 0 dB whatever its exact position.
                const vlt::editor::WidgetPlace& detent = vlt::editor::place(vlt::editor::kInGainKnob);
                const bool held =
                    knob == P::kInGain && vlt::editor::on_detent(k, detent.detent, detent.frames);
                const double want = held ? 0.0 : model_plain(r, v) * t.scale;
                expect_plain(want, number_in(shown, t.label, &unit), t.shown + rounding(r, v) * t.scale,
                             where(build->log_name ? build->log_name : "editor", knob, v));
                EXPECT_EQ(unit, t.unit) << text;
            }
}

// Every control a build's host map publishes is the format's parameter of
// the quantity the control shows.
TEST(ParamSweep, HostMapsNameTheModelsQuantities)
{
    struct Format {
        const vlt::editor::HostMap* map;
        bool (*quantity)(const vlt::editor::HostParam&, P::Index*);
    };
    const Format formats[] = {
        {&vlt::editor::kVst2Map,
         [](const vlt::editor::HostParam& p, P::Index* q) { return P::vst2::quantity_of(p.index, q); }},
        {&vlt::editor::kVst3Map,
         [](const vlt::editor::HostParam& p, P::Index* q) {
             return p.index >= 0 && P::vst3::quantity_of(static_cast<uint32_t>(p.index), q);
         }},
        {&vlt::editor::kAaxMap,
         [](const vlt::editor::HostParam& p, P::Index* q) { return P::aax::quantity_of(p.id, q); }},
        {&vlt::editor::kAuMap,
         [](const vlt::editor::HostParam& p, P::Index* q) { return P::au::quantity_of(p.index, q); }},
    };
    for (const Format& f : formats)
        for (int i = 0; i < vlt::editor::kControlCount; ++i) {
            const auto c = static_cast<Control>(i);
            const vlt::editor::HostParam& p = vlt::editor::host_param(*f.map, c);
            P::Index q = P::kIndexCount;
            if (p.exists()) {
                ASSERT_TRUE(f.quantity(p, &q)) << f.map->format << " control " << i;
                EXPECT_EQ(q, vlt::editor::model_index(c)) << f.map->format << " control " << i;
            }
        }
}

// The macOS AAX view's own numbering reaches every parameter the AAX build
// publishes and the meter, each at an index of its own that leads back to it.
TEST(ParamSweep, AaxViewIndicesNameEachShownQuantityOnce)
{
    std::vector<P::Index> shown;
    for (const auto& p : P::aax::kParams)
        shown.push_back(p.quantity);
    shown.push_back(P::kMeter);
    std::set<int> indices;
    for (P::Index q : shown) {
        const int index = P::aax::view_index_of(q);
        ASSERT_GE(index, 0) << "quantity " << q;
        EXPECT_TRUE(indices.insert(index).second) << "index " << index << " twice";
        P::Index back = P::kIndexCount;
        ASSERT_TRUE(P::aax::quantity_of_view_index(index, &back));
        EXPECT_EQ(back, q);
    }
    P::Index none;
    EXPECT_FALSE(P::aax::quantity_of_view_index(-1, &none));
    EXPECT_FALSE(P::aax::quantity_of_view_index(static_cast<int>(shown.size()), &none));
}

}  // namespace
