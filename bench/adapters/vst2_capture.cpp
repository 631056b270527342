// Loads a VST2 module as a host does and either prints one digest line per
// capture scenario (outputs, parameter values and the gain-reduction answer
// after the run), or times processReplacing on a dynamic stereo signal in
// 512-frame blocks with the effect in and out (best of the runs, ns per
// stereo frame). Builds for Linux and, with mingw-w64, for Windows, so the
// Windows library can be checked under wine against the Linux one.
//
//   vst2_capture MODULE digest
//   vst2_capture MODULE time [RUNS]
#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include "capture_scenarios.h"
#include "vst2_interface.h"

namespace {

using Entry = AEffect* (*)(audioMasterCallback);

intptr_t VST_CALL host_callback(AEffect*, int32_t opcode, int32_t, intptr_t, void*, float)
{
    return opcode == 1 ? 2400 : 0;  // audioMasterVersion
}

Entry load_entry(const char* path)
{
#ifdef _WIN32
    HMODULE lib = LoadLibraryA(path);
    if (!lib)
        return nullptr;
    FARPROC f = GetProcAddress(lib, "VSTPluginMain");
    if (!f)
        f = GetProcAddress(lib, "main");
    return reinterpret_cast<Entry>(reinterpret_cast<void (*)()>(f));
#else
    void* lib = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (!lib)
        return nullptr;
    void* f = dlsym(lib, "VSTPluginMain");
    if (!f)
        f = dlsym(lib, "main");
    return reinterpret_cast<Entry>(f);
#endif
}

struct Plugin {
    Plugin(Entry entry, int rate, int block) : e(entry(host_callback))
    {
        if (!e)
            return;
        e->dispatcher(e, effOpen, 0, 0, nullptr, 0.0f);
        e->dispatcher(e, effSetSampleRate, 0, 0, nullptr, static_cast<float>(rate));
        e->dispatcher(e, effSetBlockSize, 0, block, nullptr, 0.0f);
        e->dispatcher(e, effMainsChanged, 0, 1, nullptr, 0.0f);
        e->dispatcher(e, effStartProcess, 0, 0, nullptr, 0.0f);
    }
    ~Plugin()
    {
        if (!e)
            return;
        e->dispatcher(e, effStopProcess, 0, 0, nullptr, 0.0f);
        e->dispatcher(e, effMainsChanged, 0, 0, nullptr, 0.0f);
        e->dispatcher(e, effClose, 0, 0, nullptr, 0.0f);
    }
    AEffect* e;
};

int digest(Entry entry)
{
    for (const capture::Scenario& s : capture::scenarios()) {
        Plugin p(entry, s.rate, s.block);
        if (!p.e)
            return 1;
        capture::Generator genL(s.material, 1), genR(s.material, 2);
        std::vector<float> inL(s.block), inR(s.block), outL(s.block), outR(s.block);
        capture::Digest d;
        long frame = 0;
        for (int call = 0; call < s.calls; ++call) {
            for (const capture::Move& m : s.moves)
                if (m.block == call)
                    p.e->setParameter(p.e, m.control, m.value);
            for (int i = 0; i < s.block; ++i, ++frame) {
                inL[i] = genL.next(frame);
                inR[i] = genR.next(frame);
            }
            float* in[2] = {inL.data(), inR.data()};
            float* out[2] = {outL.data(), outR.data()};
            p.e->processReplacing(p.e, in, s.inPlace ? in : out, s.block);
            d.add(s.inPlace ? inL.data() : outL.data(), sizeof(float) * s.block);
            d.add(s.inPlace ? inR.data() : outR.data(), sizeof(float) * s.block);
        }
        for (int32_t k = 0; k < p.e->numParams; ++k) {
            const float v = p.e->getParameter(p.e, k);
            d.add(&v, sizeof v);
        }
        float reduction = -1.0f;
        const intptr_t grdb = 'G' << 24 | 'R' << 16 | 'd' << 8 | 'B';
        p.e->dispatcher(p.e, effVendorSpecific, 0, grdb, &reduction, 0.0f);
        d.add(&reduction, sizeof reduction);
        std::printf("%-22s %016" PRIx64 "\n", s.name, d.value());
    }
    return 0;
}

// The measuring host: a compressing preset, 512-frame blocks.
int time_it(Entry entry, int runs)
{
    constexpr int kBlock = 512, kBlocks = 400;
    capture::Generator genL(capture::Material::kBursts, 1), genR(capture::Material::kBursts, 2);
    std::vector<float> left(kBlock * kBlocks), right(left.size()), outL(kBlock), outR(kBlock);
    for (size_t i = 0; i < left.size(); ++i) {
        left[i] = genL.next(static_cast<long>(i));
        right[i] = genR.next(static_cast<long>(i));
    }
    for (int effect : {1, 0}) {
        Plugin p(entry, 48000, kBlock);
        if (!p.e)
            return 1;
        p.e->dispatcher(p.e, effSetProgram, 0, 5, nullptr, 0.0f);
        p.e->setParameter(p.e, capture::kEffect, static_cast<float>(effect));
        double best = 1e30;
        for (int r = 0; r < runs; ++r) {
            const auto t0 = std::chrono::steady_clock::now();
            for (int b = 0; b < kBlocks; ++b) {
                float* in[2] = {&left[b * kBlock], &right[b * kBlock]};
                float* out[2] = {outL.data(), outR.data()};
                p.e->processReplacing(p.e, in, out, kBlock);
            }
            const std::chrono::duration<double, std::nano> dt = std::chrono::steady_clock::now() - t0;
            // The first run lets the switched-out state settle.
            if (r > 0 && dt.count() < best)
                best = dt.count();
        }
        std::printf("effect %-3s %.2f ns/frame (best of %d runs of %d frames)\n", effect ? "in" : "out",
                    best / (kBlock * kBlocks), runs - 1, kBlock * kBlocks);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: vst2_capture MODULE digest | MODULE time [RUNS]\n");
        return 2;
    }
    const Entry entry = load_entry(argv[1]);
    if (!entry) {
        std::fprintf(stderr, "vst2_capture: cannot load %s\n", argv[1]);
        return 1;
    }
    const std::string mode = argv[2];
    if (mode == "digest")
        return digest(entry);
    if (mode == "time")
        return time_it(entry, argc > 3 ? std::max(2, std::atoi(argv[3])) : 30);
    return 2;
}
