#pragma once
// What the capture programs feed a plug-in: one table of scenarios that
// reach every state of the audio path (effect in, fading, switched out and
// recovering, settled out, NaN, infinities, denormals, huge samples,
// parameter moves, odd and large host blocks, shared buffers), and a 64-bit
// FNV-1a digest of everything that comes out. The same table drives every
// format, so a digest printed by two builds (before and after a change, or
// Linux and Windows) must match line for line.
#include <cstdint>
#include <cstring>
#include <vector>

namespace capture {

enum class Material { kBursts, kSine, kSilence, kNaNBlock, kDenormal, kHuge };

// A parameter move between host blocks: control 0..5 (In Gain .. Makeup)
// or kEffect, host value 0..1.
constexpr int kEffect = 6;
struct Move {
    int block;
    int control;
    float value;
};

struct Scenario {
    const char* name;
    int rate;
    int block;  // host frames per call
    int calls;
    Material material;
    bool inPlace;
    std::vector<Move> moves;  // applied before the call of their block
};

inline const std::vector<Scenario>& scenarios()
{
    // Block 0 moves set the start; a preset-like setting compresses hard.
    const std::vector<Move> hard = {{0, 0, 0.6f}, {0, 1, 0.8f}, {0, 2, 0.2f},      {0, 3, 0.3f},
                                    {0, 4, 0.7f}, {0, 5, 0.2f}, {0, kEffect, 1.0f}};
    auto with = [&hard](std::vector<Move> more) {
        std::vector<Move> m = hard;
        m.insert(m.end(), more.begin(), more.end());
        return m;
    };
    static const std::vector<Scenario> table = {
        {"in-512", 48000, 512, 200, Material::kBursts, false, hard},
        {"in-512-shared", 48000, 512, 200, Material::kBursts, true, hard},
        {"in-32", 44100, 32, 1500, Material::kBursts, false, hard},
        {"in-64", 48000, 64, 1500, Material::kSine, true, hard},
        {"in-65", 96000, 65, 1500, Material::kBursts, false, hard},
        {"in-150", 48000, 150, 700, Material::kBursts, true, hard},
        {"in-4096", 48000, 4096, 30, Material::kBursts, false, hard},
        {"in-1", 48000, 1, 3000, Material::kBursts, false, hard},
        {"in-moves", 48000, 256, 400, Material::kBursts, false,
         with({{20, 1, 0.2f},
               {40, 5, 0.9f},
               {60, 0, 0.0f},
               {80, 4, 1.0f},
               {90, 2, 1.0f},
               {120, 3, 0.0f},
               {150, 0, 1.0f},
               {200, 1, 1.0f},
               {210, 4, 0.0f}})},
        {"out-from-start", 48000, 512, 200, Material::kBursts, false, with({{0, kEffect, 0.0f}})},
        {"out-fade-settle", 48000, 512, 300, Material::kBursts, false,
         with({{50, kEffect, 0.0f}, {52, 0, 0.9f}, {150, 0, 0.3f}})},
        {"out-fade-shared-150", 44100, 150, 600, Material::kBursts, true,
         with({{100, kEffect, 0.0f}, {400, kEffect, 1.0f}, {402, kEffect, 0.0f}})},
        {"toggle-64", 48000, 64, 3000, Material::kBursts, false,
         with({{300, kEffect, 0.0f},
               {301, kEffect, 1.0f},
               {900, kEffect, 0.0f},
               {2000, kEffect, 1.0f},
               {2100, kEffect, 0.0f},
               {2101, 5, 1.0f}})},
        {"out-4096", 48000, 4096, 40, Material::kBursts, false, with({{5, kEffect, 0.0f}})},
        {"nan-in", 48000, 512, 100, Material::kNaNBlock, false, hard},
        {"nan-in-shared", 48000, 100, 500, Material::kNaNBlock, true, hard},
        {"nan-out", 48000, 512, 100, Material::kNaNBlock, false, with({{10, kEffect, 0.0f}})},
        {"denormal-in", 48000, 512, 100, Material::kDenormal, false, hard},
        {"denormal-out", 48000, 512, 100, Material::kDenormal, true, with({{3, kEffect, 0.0f}})},
        {"huge-in", 48000, 512, 60, Material::kHuge, false, hard},
        {"silence-in", 48000, 512, 60, Material::kSilence, false, hard},
    };
    return table;
}

// Deterministic on every compiler: an LCG and exact float arithmetic only.
class Generator {
public:
    explicit Generator(Material m, uint32_t seed) : material_(m), seed_(seed) {}

    float next(long frame)
    {
        seed_ = seed_ * 1664525u + 1013904223u;
        const float noise = static_cast<float>(static_cast<int32_t>(seed_ & 0xffffff00u)) / 2147483648.0f;
        const float levels[] = {0.9f, 0.05f, 0.4f, 0.0f, 0.7f, 0.01f, 1.5f};
        const float level = levels[(frame / 3000) % 7];
        switch (material_) {
        case Material::kSilence: return 0.0f;
        case Material::kSine: {
            // A triangle, exact in float: no libm involved.
            const long p = frame % 96;
            const float t = static_cast<float>(p < 48 ? p : 96 - p) / 24.0f - 1.0f;
            return 0.8f * t;
        }
        case Material::kDenormal: return noise * 1e-39f;
        case Material::kHuge: return noise * 3e38f;
        case Material::kNaNBlock: {
            // Every 37th block of 64 frames holds one bad sample.
            const long b = frame / 64;
            if (b % 37 == 5 && frame % 64 == b % 64) {
                const uint32_t bad[] = {0x7fc00000u, 0xff800000u, 0x7f800000u, 0x7fa00001u};
                float f;
                std::memcpy(&f, &bad[b % 4], sizeof f);
                return f;
            }
            return noise * level;
        }
        case Material::kBursts: break;
        }
        return noise * level;
    }

private:
    Material material_;
    uint32_t seed_;
};

class Digest {
public:
    void add(const void* data, std::size_t bytes)
    {
        const auto* p = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < bytes; ++i)
            hash_ = (hash_ ^ p[i]) * 1099511628211ull;
    }
    uint64_t value() const { return hash_; }

private:
    uint64_t hash_ = 14695981039346656037ull;
};

}  // namespace capture
