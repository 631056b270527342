// The VST3 processor and controller as a host drives them: each knob's
// compressor target from a parameter change, the switch from the effect
// and the host's bypass, the controller's texts (unclamped), its meter
// answer, the program change values, and what both sides start from.
#include <cstring>

#include "plugin_fixture.h"
#include "start_values.h"
#include "sweep_model.h"
#include "vst3_param_ids.h"

namespace {

using namespace sweep;
using namespace vst3test;
namespace ids = P::vst3;

std::string text_of(CPlugController& c, ParamID id, double v)
{
    String128 s = {};
    EXPECT_EQ(c.getParamStringByValue(id, v, s), kResultOk);
    std::string out;
    for (const TChar* p = s; *p; ++p)
        out += static_cast<char>(*p);
    return out;
}

class ParamSweepVst3 : public PluginFixture {};

TEST_F(ParamSweepVst3, ProcessorAndController)
{
    const std::vector<float> values = host_values();
    for (float v : values) {
        for (int k = 0; k < P::kKnobCount; ++k) {
            const auto q = static_cast<P::Index>(k);
            setParams({{ids::id_of(q), v}});
            expect_target(processor->compressor(), q, v, "VST3 processor");
            std::string unit;
            const P::Range& r = P::kKnobRanges[q];
            expect_plain(model_plain(r, v), number_in(text_of(*controller, ids::id_of(q), v), "", &unit),
                         rounding(r, v) + 0.005, where("VST3 text", q, v));
            EXPECT_EQ(unit, kHostUnits[q]) << where("VST3 text", q, v);
        }
        std::string unit;
        const double db = P::kMeterFullScaleDb * static_cast<double>(v);
        expect_plain(db, number_in(text_of(*controller, ids::id_of(P::kMeter), v), "", &unit),
                     0.05 + 8.0 * FLT_EPSILON * std::fabs(db), where("VST3 meter text", P::kMeter, v));
        controller->setParamNormalized(ids::id_of(P::kMeter), v);
        // The SDK keeps normalized values in 0..1; the answer clamps again.
        const float m =
            P::clamp_unit(static_cast<float>(controller->getParamNormalized(ids::id_of(P::kMeter))));
        EXPECT_EQ(controller->getGainReductionValueInDb(), -(P::kMeterFullScaleDb * m));
    }
    // The switch: the effect in and the host not bypassing, each clamped.
    for (float effect : values)
        for (float bypass : {-1.0f, 0.0f, 0.25f, 0.5f, 1.0f, 2.0f, std::nanf("")}) {
            setParams({{ids::id_of(P::kEffect), effect}, {ids::id_of(P::kHostBypass), bypass}});
            const bool in = P::clamp_unit(effect) * (1.0f - P::clamp_unit(bypass)) > P::kSwitchMidpoint;
            EXPECT_EQ(processor->compressor().comp_in_requested(), in) << effect << " " << bypass;
        }
}

TEST_F(ParamSweepVst3, ProgramValues)
{
    for (int k = 0; k < ids::kProgramCount; ++k) {
        EXPECT_EQ(CPlugController::programIndexFromValue(ids::program_value<double>(k)), k);
        EXPECT_EQ(CPlugController::programIndexFromValue(ids::program_value<float>(k)), k);
    }
    EXPECT_EQ(CPlugController::programIndexFromValue(-1.0), 0);
    EXPECT_EQ(CPlugController::programIndexFromValue(2.0), ids::kProgramCount - 1);
    EXPECT_EQ(CPlugController::programIndexFromValue(std::nan("")), 0);
}

TEST_F(ParamSweepVst3, Start)
{
    for (int k = 0; k < P::kKnobCount; ++k)
        expect_target(processor->compressor(), static_cast<P::Index>(k), P::kVst3StartValues[k],
                      "VST3 start");
    EXPECT_FALSE(processor->compressor().comp_in_requested());  // the effect out
    EXPECT_EQ(processor->compressor().sample_rate(), P::kVst3StartRate);
    std::vector<float> state(static_cast<size_t>(std::size(ids::kStateOrder)));
    const std::vector<uint8> bytes = saveState();
    ASSERT_EQ(bytes.size(), state.size() * sizeof(float));
    std::memcpy(state.data(), bytes.data(), bytes.size());
    for (size_t slot = 0; slot < state.size(); ++slot) {
        const P::Index q = ids::kStateOrder[slot];
        const float want = P::in_program(q) ? P::kVst3StartValues[q] : 0.0f;  // no meter, no bypass yet
        EXPECT_EQ(state[slot], want) << "slot " << slot;
    }
    for (int i = 0; i < controller->getParameterCount(); ++i) {
        ParameterInfo info{};
        ASSERT_EQ(controller->getParameterInfo(i, info), kResultOk);
        EXPECT_EQ(info.defaultNormalizedValue, ids::kDeclaredDefault) << info.id;
    }
}

}  // namespace
