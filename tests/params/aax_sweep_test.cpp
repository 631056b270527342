// The AAX build: the algorithm's compressor from its data-in ports (as the
// host feeds them, unclamped), the "In" switch, the display delegates'
// texts, and the parameters' defaults, against the model.
#include <new>

#include "VLT650_Algorithm.h"
#include "VLT650_DisplayDelegates.h"
#include "VLT650_Parameters.h"
#include "aax_param_ids.h"
#include "start_values.h"
#include "sweep_model.h"

namespace {

using namespace sweep;

// One algorithm instance as the host lays it out, with a block of its own
// for the compressor.
class Instance {
public:
    explicit Instance(const float (&start)[P::kProgramValues])
    {
        std::copy(std::begin(start), std::end(start), ports_);
        ctx_ = {&bypass_,
                &ports_[P::kInGain],
                &ports_[P::kThreshold],
                &ports_[P::kAttack],
                &ports_[P::kRelease],
                &ports_[P::kRatio],
                &ports_[P::kMakeup],
                &ports_[P::kEffect],
                &rate_,
                dsp(),
                in_,
                out_,
                &frames_,
                meters_};
        new (block_) CNFq(CNFq::PlacedInHostMemory{});
        VLT650_AlgorithmInitFunction(&ctx_, AAX_eComponentInstanceInitAction_AddingNewInstance);
    }
    ~Instance() { VLT650_AlgorithmInitFunction(&ctx_, AAX_eComponentInstanceInitAction_RemovingInstance); }

    // Every port at v, then one call with no frames: the ports still reach the compressor.
    void set_all(float v)
    {
        std::fill(std::begin(ports_), std::end(ports_), v);
        void* list[] = {&ctx_};
        VLT650_AlgorithmProcessFunctionS(list, list + 1);
    }
    CNFq* dsp() { return reinterpret_cast<CNFq*>(block_); }

private:
    alignas(CNFq) unsigned char block_[sizeof(CNFq)];
    int32_t bypass_ = 0;
    float ports_[P::kProgramValues] = {};
    float rate_ = 48000.0f;
    float samples_[2] = {};
    float* in_[2] = {&samples_[0], &samples_[1]};
    float* out_[2] = {&samples_[0], &samples_[1]};
    int32_t frames_ = 0;
    float meter_ = 0.0f;
    float* meters_[1] = {&meter_};
    SVLT650_Alg_Context ctx_{};
};

template <class Delegate>
std::string text_of(float n)
{
    AAX_CString s;
    EXPECT_TRUE(Delegate().ValueToString(n, &s));
    return s.CString();
}

// The delegates' texts, by knob: the release shows seconds.
struct DelegateRow {
    std::string (*text)(float);
    const char* unit;
    double scale;
};
const DelegateRow kDelegates[P::kKnobCount] = {
    {text_of<VLT650_InGainDisplayDelegate>, " dB", 1.0}, {text_of<VLT650_ThreshDisplayDelegate>, " dB", 1.0},
    {text_of<VLT650_AttackDisplayDelegate>, " ms", 1.0}, {text_of<VLT650_ReleaseDisplayDelegate>, " s", 1e-3},
    {text_of<VLT650_RatioDisplayDelegate>, ":1", 1.0},   {text_of<VLT650_MakeupDisplayDelegate>, " dB", 1.0},
};

TEST(ParamSweep, AaxAlgorithmAndTexts)
{
    Instance instance(P::kAaxDefaults);
    for (float v : host_values()) {
        instance.set_all(v);
        for (int k = 0; k < P::kKnobCount; ++k) {
            const auto q = static_cast<P::Index>(k);
            expect_target(*instance.dsp(), q, v, "AAX ports");
            const P::Range& r = P::kKnobRanges[q];
            const DelegateRow& d = kDelegates[q];
            std::string unit;
            expect_plain(model_plain(r, v) * d.scale, number_in(d.text(v), "", &unit),
                         rounding(r, v) * d.scale + 0.005, where("AAX display", q, v));
            EXPECT_EQ(unit, d.unit);
        }
        // "In" counts from the midpoint up; NaN is off.
        EXPECT_EQ(instance.dsp()->comp_in_requested(), v >= P::kSwitchMidpoint) << where("AAX In", 6, v);
    }
}

TEST(ParamSweep, AaxStart)
{
    Instance instance(P::kAaxDefaults);
    for (int k = 0; k < P::kKnobCount; ++k)
        expect_target(*instance.dsp(), static_cast<P::Index>(k), P::kAaxDefaults[k], "AAX start");
    EXPECT_FALSE(instance.dsp()->comp_in_requested());  // "In" off

    auto* p = static_cast<AAX_IACFEffectParameters_V2*>(VLT650_Parameters::Create());
    p->AddRef();
    ASSERT_EQ(p->Initialize(nullptr), 0);
    for (int k = 0; k < P::kProgramValues; ++k) {
        double v = -1;
        ASSERT_EQ(p->GetParameterNormalizedValue(P::aax::id_of(static_cast<P::Index>(k)), &v), 0) << k;
        EXPECT_EQ(v, P::kAaxDefaults[k]) << k;
    }
    p->Uninitialize();
    p->Release();
}

}  // namespace
