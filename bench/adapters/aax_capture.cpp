// Runs the capture scenarios through the AAX test module with the fake
// host's algorithm runner, mono and stereo, and prints one digest line per
// scenario (outputs and the meter tap after every call). One extra
// scenario switches the master bypass on and off under way.
//
//   VLT_CAPTURE_AAX_MODULE=PATH aax_capture
#include <cinttypes>
#include <cstdio>
#include <cstdlib>

#include "capture_scenarios.h"
#include "module_fixture.h"

namespace fake {
namespace {

TEST_F(Registered, CaptureDigests)
{
    std::vector<capture::Scenario> table = capture::scenarios();
    table.push_back({"bypass-under-way", 48000, 512, 200, capture::Material::kBursts, false, table[0].moves});
    for (int channels : {2, 1}) {
        for (const capture::Scenario& s : table) {
            EffectDescriptor& effect = channels == 2 ? stereo() : mono();
            Instance p(effect, host);
            Runner r(*effect.components[0], *p.params, host.controller, channels, static_cast<float>(s.rate));
            capture::Generator gen[2] = {capture::Generator(s.material, 1),
                                         capture::Generator(s.material, 2)};
            capture::Digest d;
            const bool bypassRun = std::string(s.name) == "bypass-under-way";
            long frame = 0;
            for (int call = 0; call < s.calls; ++call) {
                for (const capture::Move& m : s.moves)
                    if (m.block == call)
                        r.setPort(m.control + 1, m.value);
                if (bypassRun && (call == 50 || call == 120))
                    r.setBypass(call == 50);
                for (auto& ch : r.in)
                    ch.resize(size_t(s.block));
                for (int i = 0; i < s.block; ++i, ++frame)
                    for (int c = 0; c < channels; ++c)
                        r.in[size_t(c)][size_t(i)] = gen[c].next(frame);
                r.process(s.block);
                for (const auto& ch : r.out)
                    d.add(ch.data(), sizeof(float) * ch.size());
                d.add(&r.meter, sizeof r.meter);
            }
            std::printf("%s-%-22s %016" PRIx64 "\n", channels == 2 ? "stereo" : "mono", s.name, d.value());
        }
    }
}

}  // namespace
}  // namespace fake

int main(int argc, char** argv)
{
    const char* path = std::getenv("VLT_CAPTURE_AAX_MODULE");
    if (!path || !*path) {
        std::fprintf(stderr, "usage: VLT_CAPTURE_AAX_MODULE=PATH aax_capture\n");
        return 2;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
