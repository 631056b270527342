// The VST2 plug-in through its AEffect entries: each knob's compressor
// target, stored value and display text, the effect switch, the UI size,
// the meter's 'GRdB' answer and the start values, against the model.
#include "plug_fixture.h"
#include "start_values.h"
#include "sweep_model.h"
#include "vst2_param_ids.h"

namespace {

using namespace sweep;
using vst2test::PlugHost;

TEST(ParamSweep, Vst2)
{
    PlugHost host;
    for (float v : host_values()) {
        const float taken = P::clamp_unit(v);
        for (int k = 0; k < P::kKnobCount; ++k) {
            const auto q = static_cast<P::Index>(k);
            const int index = P::vst2::index_of(q);
            host.set(index, v);
            expect_target(host.dsp(), q, v, "VST2 setParameter");
            EXPECT_EQ(host.get(index), taken) << where("VST2 getParameter", q, v);
            std::string unit;
            const P::Range& r = P::kKnobRanges[q];
            expect_plain(model_plain(r, taken), number_in(host.display(index), "", &unit),
                         rounding(r, taken) + 0.005, where("VST2 display", q, v));
            EXPECT_EQ(unit, kHostUnits[q]);
        }
        host.set(P::vst2::index_of(P::kEffect), v);
        EXPECT_EQ(host.dsp().comp_in_requested(), taken > P::kSwitchMidpoint) << where("VST2 effect", 6, v);
        EXPECT_EQ(host.display(P::vst2::index_of(P::kEffect)), taken > P::kSwitchMidpoint ? "In " : "Out");

        host.set(P::vst2::index_of(P::kUiSize), v);
        std::string unit;
        expect_plain(model_plain(P::kUiSizeRange, taken),
                     number_in(host.display(P::vst2::index_of(P::kUiSize)), "X ", &unit), 0.005,
                     where("VST2 UI size", P::kUiSize, v));

        host.set(P::vst2::index_of(P::kMeter), v);
        float db = 1.0f;
        host.dispatch(effVendorSpecific, 0, vst2::fourcc("GRdB"), &db);
        EXPECT_EQ(db, -(P::kMeterFullScaleDb * taken)) << where("VST2 'GRdB'", P::kMeter, v);
    }
}

TEST(ParamSweep, Vst2Start)
{
    const PlugHost host;
    for (int k = 0; k < P::kProgramValues; ++k)
        EXPECT_EQ(host.get(P::vst2::index_of(static_cast<P::Index>(k))), P::kDefaults[k]) << k;
    for (int k = 0; k < P::kKnobCount; ++k)
        expect_target(host.dsp(), static_cast<P::Index>(k), P::kDefaults[k], "VST2 start");
    EXPECT_TRUE(host.dsp().comp_in_requested());  // the effect in
}

}  // namespace
