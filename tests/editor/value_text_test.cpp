#include "value_text.h"

#include <gtest/gtest.h>

#include "editor_layout.h"

namespace vlt::editor {
namespace {

TEST(ValueText, KnobTextsInTheirUnits)
{
    struct Case {
        const EditorBuild* build;
        int knob;
        float k;
        const char* text;
    } const cases[] = {
        {&kLinuxVst2Build, kInGainKnob, 33.0f, "In Gain 0.0 dB"},
        {&kLinuxVst2Build, kInGainKnob, 31.0f, "In Gain 0.0 dB"},  // on the detent frame
        {&kLinuxVst2Build, kInGainKnob, 0.0f, "In Gain -6.0 dB"},
        {&kLinuxVst2Build, kInGainKnob, 99.0f, "In Gain 12.0 dB"},
        {&kLinuxVst2Build, kThresholdKnob, 99.0f, "Thresh -20.0 dB"},
        {&kLinuxVst2Build, kAttackKnob, 0.0f, "Attack 0.1 ms"},
        {&kLinuxVst2Build, kReleaseKnob, 0.0f, "Release 0.10 sec"},
        {&kLinuxVst2Build, kReleaseKnob, 99.0f, "Release 1.00 sec"},
        {&kLinuxVst2Build, kRatioKnob, 99.0f, "Ratio 20.0 : 1"},
        {&kLinuxVst2Build, kRatioKnob, 49.5f, "Ratio 5.8 : 1"},
        {&kLinuxVst2Build, kMakeupKnob, 99.0f, "Makeup 20.0 dB"},
        {&kWindowsVst2Build, kMakeupKnob, 99.0f, "Out Trim 20.0 dB"},
        {&kLinuxVst2Build, kMeter, 50.0f, ""},
    };
    for (const Case& c : cases) {
        char text[kValueTextMax];
        knob_value_text(*c.build, c.knob, c.k, text, sizeof text);
        EXPECT_STREQ(text, c.text);
    }
}

TEST(ValueText, SwitchAndVersion)
{
    EXPECT_STREQ(switch_text(kLinuxVst2Build, 99.0f), " Effect In ");
    EXPECT_STREQ(switch_text(kLinuxVst2Build, 49.5f), " Effect Out");
    char text[kBannerTextSize];
    version_text(kLinuxVst2Build, text, sizeof text);
    EXPECT_STREQ(text, "VLT650 V2.3.1");
    version_text(kWindowsVst2Build, text, sizeof text);
    EXPECT_STREQ(text, "VLT650  V2.3.2");
    EXPECT_STREQ(kBlankBannerText, "                ");
}

}  // namespace
}  // namespace vlt::editor
