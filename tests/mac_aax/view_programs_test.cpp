// The macOS AAX view's preset table and its step rule.
#include <gtest/gtest.h>

#include <string>

#include "aax_view_programs.h"

namespace {

using namespace vlt::aax_view;

TEST(AaxViewPrograms, ManualThenTheFactoryPresetsInThisBuildsRecords)
{
    CPlugProgram table[kProgramCount];
    init_factory_presets(table);
    const char* names[] = {"Manual", "01 Light Vocal", "02 Heavy Vocal", "03 Snare Hit Long",
                           "04 Snare Hit Short", "05 Light Acoustic"};
    for (int i = 0; i < kProgramCount; ++i)
        EXPECT_EQ(std::string(table[i].name), names[i]);
    const float manual[] = {1.0f / 3.0f, 0, 0, 0, 0, 0, 1};
    for (int v = 0; v < vlt::params::kProgramValues; ++v) {
        EXPECT_EQ(table[0].value[v], manual[v]) << v;
        for (int i = 1; i < kProgramCount; ++i)
            EXPECT_EQ(table[i].value[v], vlt::params::kNamedPresetTable[i - 1].value[v]) << i << " " << v;
    }
    EXPECT_NEAR(table[5].value[0], 0.710556, 5e-7);  // the stored values, to six places
    EXPECT_NEAR(table[3].value[3], 0.052633, 5e-7);
}

TEST(AaxViewPrograms, SteppingVisitsRecordsOneToFiveAndWraps)
{
    struct Case {
        int from, direction, to;
    };
    const Case cases[] = {{0, -1, 5}, {0, +1, 1}, {1, -1, 5}, {5, +1, 1}, {3, -1, 2}, {3, +1, 4}, {2, -1, 1}};
    for (const Case& c : cases)
        EXPECT_EQ(step_program(c.from, c.direction), c.to) << c.from << " " << c.direction;
}

}  // namespace
