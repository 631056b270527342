// Parameters, their tapers and display delegates, and the parameter manager.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "AAX_CParameter.h"
#include "AAX_CParameterManager.h"
#include "fake_host.h"

namespace {

using FloatParam = AAX_CParameter<float>;
using Linear = AAX_CLinearTaperDelegate<float, 0>;

std::unique_ptr<FloatParam> knob(const char* id = "Knob", float def = 1.0f / 3.0f)
{
    return std::make_unique<FloatParam>(id, AAX_CString("Knob Name"), def, Linear(0, 1),
                                        AAX_CBinaryDisplayDelegate<float>("Off", "On"), true);
}

class WithAutomation : public ::testing::Test {
protected:
    fake::Host host;
    AAX_VAutomationDelegate automation{&host};
};

TEST(AaxParameter, ConstructionStoresTheDefault)
{
    auto p = knob();
    EXPECT_EQ(p->GetNumberOfSteps(), 128u);
    EXPECT_EQ(p->GetType(), 1);
    EXPECT_FLOAT_EQ(p->Value(), 1.0f / 3.0f);
    EXPECT_FALSE(p->NeedsNotify());
    auto longID = knob("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789ABCD");
    EXPECT_STREQ(longID->Identifier(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234");
}

TEST_F(WithAutomation, SetsAreRequestsUntilTheHostAnswers)
{
    auto p = knob();
    p->SetAutomationDelegate(&automation);
    host.automation.take();
    p->SetNormalizedValue(0.5);
    EXPECT_EQ(host.automation.take(),
              (std::vector<std::string>{"touch Knob", "request Knob 0.5", "release Knob"}));
    EXPECT_FLOAT_EQ(float(p->GetNormalizedValue()), 1.0f / 3.0f);
    p->UpdateNormalizedValue(0.5);
    EXPECT_EQ(p->GetNormalizedValue(), 0.5);
    EXPECT_EQ(host.automation.take(), std::vector<std::string>{"current Knob 0.5"});
    p->UpdateNormalizedValue(0.5);
    EXPECT_TRUE(host.automation.take().empty()) << "same value, nothing to tell";

    // A new taper with the value kept: the next update posts even an equal value.
    p->SetTaperDelegate(*std::make_unique<Linear>(0, 1), true);
    EXPECT_EQ(host.automation.take(),
              (std::vector<std::string>{"touch Knob", "request Knob 0.5", "release Knob"}));
    p->UpdateNormalizedValue(0.5);
    EXPECT_EQ(host.automation.take(), std::vector<std::string>{"current Knob 0.5"});
    EXPECT_FALSE(p->NeedsNotify());

    p.reset();
    EXPECT_EQ(host.automation.take(), std::vector<std::string>{"unregister Knob"});
}

TEST(AaxParameter, WithoutAutomationSetsApplyAtOnce)
{
    auto p = knob();
    p->SetNormalizedValue(0.25);
    EXPECT_EQ(p->GetNormalizedValue(), 0.25);
    EXPECT_TRUE(p->SetValueWithFloat(0.75f));
    EXPECT_EQ(p->Value(), 0.75f);
    EXPECT_FALSE(p->SetValueWithBool(true));
    EXPECT_FALSE(p->SetValueWithInt32(0));
    int32_t i = 9;
    EXPECT_FALSE(p->GetValueAsInt32(&i));
    EXPECT_EQ(i, 9);
}

TEST(AaxParameter, Steps)
{
    auto p = knob("Knob", 0.5f);
    EXPECT_EQ(p->GetStepValue(), 64u);
    struct Case {
        uint32_t step;
        double normalized;
    } cases[] = {{127, 1.0}, {200, 1.0}, {0, 0.0}};
    for (const Case& c : cases) {
        p->SetStepValue(c.step);
        EXPECT_EQ(p->GetNormalizedValue(), c.normalized) << c.step;
    }
    p->SetNumberOfSteps(1);
    EXPECT_EQ(p->GetStepValue(), 0u);
}

TEST(AaxParameter, ShortenedNames)
{
    auto p = std::make_unique<FloatParam>("T", AAX_CString("Threshold dB"), 0.0f, Linear(0, 1),
                                          AAX_CBinaryDisplayDelegate<float>("a", "b"), true);
    EXPECT_STREQ(p->ShortenedName(5).Get(), "Threshold dB");
    p->AddShortenedName(AAX_CString("Thr"));
    p->AddShortenedName(AAX_CString("Threshld"));
    struct Case {
        int32_t n;
        const char* name;
    } cases[] = {{5, "Thr"},       {2, "Thr"},           {8, "Threshld"},
                 {11, "Threshld"}, {12, "Threshold dB"}, {-1, "Threshold dB"}};
    for (const Case& c : cases)
        EXPECT_STREQ(p->ShortenedName(c.n).Get(), c.name) << c.n;
}

TEST(AaxParameter, TapersAndBinaryDisplay)
{
    Linear unit(0, 1);
    EXPECT_EQ(unit.NormalizedToReal(1.5), 1.0f);
    EXPECT_EQ(unit.RealToNormalized(-0.2f), 0.0);
    EXPECT_EQ(unit.NormalizedToReal(std::nan("")), 0.0f);
    AAX_CBinaryTaperDelegate<float> binary;
    EXPECT_EQ(binary.NormalizedToReal(0.3), 1.0f);
    EXPECT_EQ(binary.RealToNormalized(0.0f), 0.0);

    AAX_CBinaryDisplayDelegate<float> display("Off", "On");
    float v = 7;
    EXPECT_TRUE(display.StringToValue(AAX_CString("On"), &v));
    EXPECT_EQ(v, 1.0f);
    EXPECT_FALSE(display.StringToValue(AAX_CString("on"), &v));
    EXPECT_EQ(v, 0.0f);
    AAX_CString s;
    display.ValueToString(0.5f, &s);
    EXPECT_STREQ(s.Get(), "On");

    display.AddShortenedStrings("0", "1", 1);
    display.AddShortenedStrings("Of", "O", 2);
    struct Case {
        int32_t max;
        const char* text;
    } cases[] = {{3, "On"}, {2, "O"}, {1, "1"}, {0, "1"}, {-4, "1"}};
    for (const Case& c : cases) {
        display.ValueToString(1.0f, c.max, &s);
        EXPECT_STREQ(s.Get(), c.text) << c.max;
    }
}

TEST(AaxParameter, StringConversionsReportOutOfRange)
{
    auto p = std::make_unique<FloatParam>("K", AAX_CString("K"), 0.0f, Linear(0, 0.5f),
                                          AAX_CBinaryDisplayDelegate<float>("Off", "On"), true);
    double n = -1;
    EXPECT_FALSE(p->GetNormalizedValueFromString(AAX_CString("On"), &n)) << "1.0 is above the maximum";
    EXPECT_EQ(n, 1.0);
    AAX_CString s;
    EXPECT_TRUE(p->GetStringFromNormalizedValue(0.2, s));
    EXPECT_TRUE(p->SetValueFromString(AAX_CString("On")));
    EXPECT_EQ(p->Value(), 0.5f);
    EXPECT_FALSE(p->SetValueFromString(AAX_CString("maybe")));
}

TEST_F(WithAutomation, ManagerOwnsUniqueParametersInOrder)
{
    AAX_CParameterManager manager;
    manager.AddParameter(knob("Early").release());  // before Initialize: not registered
    manager.Initialize(&automation);
    manager.AddParameter(knob("A").release());
    manager.AddParameter(knob("A", 0.9f).release());  // refused, and not leaked
    manager.AddParameter(nullptr);
    EXPECT_EQ(host.automation.take(), std::vector<std::string>{"register A"});
    EXPECT_EQ(manager.NumParameters(), 2);
    EXPECT_FLOAT_EQ(float(manager.GetParameterByID("A")->GetNormalizedValue()), 1.0f / 3.0f);
    EXPECT_EQ(manager.ControlIndexFromID("A"), 1);
    EXPECT_EQ(manager.ControlIndexFromID(nullptr), -1);
    EXPECT_EQ(manager.GetParameterByID(nullptr), nullptr);
    EXPECT_EQ(manager.GetParameter(-1), nullptr);
    EXPECT_EQ(manager.GetParameter(2), nullptr);
    AAX_IParameter* same = manager.GetParameter(0);
    manager.AddParameter(same);  // the same object again stays ours
    EXPECT_EQ(manager.NumParameters(), 2);
    manager.RemoveAllParameters();
    EXPECT_EQ(manager.GetParameterByID("A"), nullptr);
    EXPECT_EQ(host.automation.take(), std::vector<std::string>{"unregister A"});
}

}  // namespace
