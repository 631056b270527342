// Display scale from QELM_UI_DPI and from the measured screen.
#include "x11_test_env.h"
#include "xvfb_server.h"

#include <cstdlib>
#include <string>

namespace {

struct env_case {
    const char* value;
    int dpi;
    float scale;
};

class ScaleFromVariable : public ::testing::TestWithParam<env_case> {
protected:
    void TearDown() override { unsetenv("QELM_UI_DPI"); }
};

TEST_P(ScaleFromVariable, QuantisesToEighthsBetweenOneAndTwo)
{
    const env_case c = GetParam();
    setenv("QELM_UI_DPI", c.value, 1);
    AFX_engine engine;
    ::testing::internal::CaptureStdout();
    EXPECT_FLOAT_EQ(window_ext(engine).get_optimum_scale_factor(), c.scale);
    const std::string out = ::testing::internal::GetCapturedStdout();
    char want[128];
    std::snprintf(want, sizeof want, "QELM-UI: UI dpi %d\nQELM-UI: UI scale %.01f %%\n", c.dpi,
                  100.0 * c.scale);
    EXPECT_EQ(out, want);
}

INSTANTIATE_TEST_SUITE_P(Values, ScaleFromVariable,
                         ::testing::Values(env_case{"144", 144, 1.5f}, env_case{"100", 100, 1.0f},
                                           env_case{"110", 110, 1.125f}, env_case{"300", 300, 2.0f},
                                           env_case{"72", 72, 1.0f}, env_case{"192", 192, 2.0f},
                                           env_case{"dense", 0, 1.0f}));

TEST(Scale, IsComputedOnceAndKept)
{
    setenv("QELM_UI_DPI", "144", 1);
    AFX_engine engine;
    ::testing::internal::CaptureStdout();
    EXPECT_FLOAT_EQ(window_ext(engine).get_optimum_scale_factor(), 1.5f);
    setenv("QELM_UI_DPI", "96", 1);
    EXPECT_FLOAT_EQ(window_ext(engine).get_optimum_scale_factor(), 1.5f);
    ::testing::internal::GetCapturedStdout();
    unsetenv("QELM_UI_DPI");
}

struct dpi_case {
    int server_dpi;
    int measured;  // from the diagonal: the server rounds its millimetres
    float scale;
};

class ScaleFromScreen : public ::testing::TestWithParam<dpi_case> {};

TEST_P(ScaleFromScreen, MeasuresTheDiagonal)
{
    const dpi_case c = GetParam();
    XvfbServer::options o;
    o.depth = 24;
    o.dpi = c.server_dpi;
    XvfbServer server(o);
    ASSERT_TRUE(server.running());
    ScopedDisplay display(server.display_name());
    AFX_engine engine;
    ::testing::internal::CaptureStdout();
    const float scale = window_ext(engine).get_optimum_scale_factor();
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("QELM-UI: UI dpi " + std::to_string(c.measured) + "\n"), std::string::npos) << out;
    EXPECT_FLOAT_EQ(scale, c.scale);

    ASSERT_TRUE(x11_ext(engine).open_display_connection());
    int v = 0, h = 0;
    EXPECT_EQ(window_ext(engine).get_dpi(&v, &h), 1);
    EXPECT_NEAR(v, c.server_dpi, 1);
    EXPECT_NEAR(h, c.server_dpi, 1);
    x11_ext(engine).close_display_connection();
}

INSTANTIATE_TEST_SUITE_P(Servers, ScaleFromScreen,
                         ::testing::Values(dpi_case{96, 95, 1.0f}, dpi_case{120, 120, 1.25f},
                                           dpi_case{144, 143, 1.375f}, dpi_case{192, 191, 1.875f},
                                           dpi_case{240, 240, 2.0f}));

TEST(Scale, WithoutAServerIsOne)
{
    ScopedDisplay display(":65000");
    AFX_engine engine;
    ::testing::internal::CaptureStdout();
    EXPECT_FLOAT_EQ(window_ext(engine).get_optimum_scale_factor(), 1.0f);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
}

}  // namespace
