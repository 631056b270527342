// The macOS AAX view's preset table and its step rule.
#include <gtest/gtest.h>

#include <string>

#include "aax_view_programs.h"
#include "editor_build.h"

namespace {

using namespace vlt::aax_view;

TEST(AaxViewPrograms, ManualThenTheFactoryPresetsInThisBuildsRecords)
{
    CPlugProgram table[kProgramCount];
    init_factory_presets(table);
    const char* names[] = {
        "Manual",           "01 Light Vocal", "02 Heavy Vocal", "03 Snare Hit Long", "04 Snare Hit Short",
        "05 Light Acoustic"};
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

// One step rule for every build with step buttons: the AAX view steps
// through records 1..5 only, the VST views through all their programs.
TEST(AaxViewPrograms, SteppingVisitsRecordsOneToFiveAndWraps)
{
    using vlt::editor::EditorBuild;
    struct Case {
        const EditorBuild* build;
        int from, direction, to;
    };
    const EditorBuild* aax = &vlt::editor::kCocoaAaxBuild;
    const EditorBuild* vst2 = &vlt::editor::kCocoaVst2Build;
    const Case cases[] = {{aax, 0, -1, 5},
                          {aax, 0, +1, 1},
                          {aax, 1, -1, 5},
                          {aax, 5, +1, 1},
                          {aax, 3, -1, 2},
                          {aax, 3, +1, 4},
                          {aax, 2, -1, 1},
                          {vst2, 0, -1, 8},
                          {vst2, 8, +1, 0},
                          {vst2, 4, +1, 5},
                          {&vlt::editor::kCocoaVst3Build, 5, +1, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(c.build->step_program(c.from, c.direction), c.to)
            << c.build->log_name << " " << c.from << " " << c.direction;
}

}  // namespace
