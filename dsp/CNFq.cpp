#include "CNFq.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>

#include "fast_math.h"
#include "frame_steps.h"
#include "start_values.h"

namespace {

using namespace vlt::frame;

float db_to_gain(float dB) { return std::pow(10.0f, dB / 20.0f); }

void start_ramps(GainRamp* ramps, float smoothed_db, int n)
{
    const float target = db_to_gain(smoothed_db);
    for (int ch = 0; ch < 2; ++ch) {
        ramps[ch].target = target;
        ramps[ch].step = (target - ramps[ch].current) / static_cast<float>(n);
        ramps[ch].count = n;
    }
}

void snap_ramps(GainRamp* ramps, float dB)
{
    const float g = db_to_gain(dB);
    for (int ch = 0; ch < 2; ++ch)
        ramps[ch] = GainRamp{g, g, 0.0f, 0};
}

}  // namespace

CNFq::CNFq()
{
    set_defaults(vlt::params::kBuiltCompressor);
    allocate_records();
    init();
}

CNFq::CNFq(PlacedInHostMemory) noexcept : in_ramp(nullptr), makeup_ramp(nullptr), xfade(nullptr) {}

CNFq::~CNFq() { free_records(); }

void CNFq::nq_delegate_ctor()
{
    set_defaults(vlt::params::kPlacedCompressor);
    allocate_records();
    init();
}

void CNFq::nq_delegate_dctor() { free_records(); }

void CNFq::set_defaults(const vlt::params::CompressorSettings& s)
{
    srate = static_cast<float>(s.rate);
    srate_i = s.rate;
    in_gain_db = s.in_gain_db;
    makeup_db = s.makeup_db;
    thr_db = s.threshold_db;
    ratio = s.ratio;
    attack_ms = s.attack_ms;
    release_ms = s.release_ms;
    max_gr = s.max_gr_db;
    comp_in_req = s.comp_in;
    comp_in = s.comp_in;
    env = shadow_env = gain = 0.0f;
    // Usable before the owner's first nq_srate.
    set_attack_release(attack_ms, release_ms);
}

void CNFq::allocate_records()
{
    in_ramp = new GainRamp[2]{};
    makeup_ramp = new GainRamp[2]{};
    xfade = new Crossfader[2]{};
}

void CNFq::free_records()
{
    delete[] in_ramp;
    delete[] makeup_ramp;
    delete[] xfade;
    in_ramp = makeup_ramp = nullptr;
    xfade = nullptr;
}

// Per-sample coefficient of a one-pole follower with time constant ms.
// Capped at 1: above it the follower overshoots and diverges.
float CNFq::coefficient_for(float ms) const
{
    const float t = std::max(ms, 0.001f);
    const float c = 1.0f / (t / 1000.0f * static_cast<float>(srate_i.load()));
    return std::min(c, 1.0f);
}

void CNFq::nq_srate(int fs)
{
    if (fs > 0) {
        srate_i = fs;
        srate = static_cast<float>(fs);
    }
    set_attack_release(attack_ms, release_ms);
}

void CNFq::set_attack_release(float a_ms, float r_ms)
{
    attack_coef = coefficient_for(a_ms);
    release_coef = coefficient_for(r_ms);
}

void CNFq::nqs_attack(float ms)
{
    attack_ms = std::max(ms, 0.001f);
    attack_coef = coefficient_for(ms);
}

void CNFq::nqs_decay(float ms)
{
    release_ms = std::max(ms, 0.001f);
    release_coef = coefficient_for(ms);
}

void CNFq::restart_crossfaders()
{
    const float coef = 3.0f / (0.02f * srate);
    for (int ch = 0; ch < 2; ++ch) {
        xfade[ch].up = xfade[ch].down = coef;
        xfade[ch].target = comp_in ? 1.0f : 0.0f;
    }
}

void CNFq::init()
{
    env = shadow_env = gain = 0.0f;
    in_gain_smooth = in_gain_db;
    makeup_smooth = makeup_db;
    thr_smooth = thr_now = thr_db;
    ratio_smooth = ratio_now = ratio;
    thr_step = ratio_step = 0.0f;
    thr_count = ratio_count = 0;
    comp_in = comp_in_req;
    snap_ramps(in_ramp, in_gain_smooth);
    snap_ramps(makeup_ramp, makeup_smooth);
    restart_crossfaders();
    for (int ch = 0; ch < 2; ++ch) {
        xfade[ch].mix = xfade[ch].target;
        xfade[ch].done = true;
    }
}

void CNFq::nq_clear() { env = shadow_env = 0.0f; }

float CNFq::parameter_interp(float target, float current, int* changed)
{
    if (target == current)
        return target;
    ++*changed;
    const float step = (target - current) * 0.1f;
    if (std::fabs(step) < 0.001f)
        return target;
    return current + step;
}

void CNFq::nq_recalc(int n)
{
    const bool requested = comp_in_req;
    if (comp_in != requested) {
        comp_in = requested;
        if (comp_in)
            env = shadow_env;  // resume from the level the input really has
        else
            shadow_env = env;
        restart_crossfaders();
        xfade[0].done = xfade[1].done = false;  // mix keeps its value
    }

    const float fn = static_cast<float>(n);
    int changed = 0;
    makeup_smooth = parameter_interp(makeup_db, makeup_smooth, &changed);
    if (changed)
        start_ramps(makeup_ramp, makeup_smooth, n);

    changed = 0;
    in_gain_smooth = parameter_interp(in_gain_db, in_gain_smooth, &changed);
    if (changed)
        start_ramps(in_ramp, in_gain_smooth, n);

    changed = 0;
    thr_smooth = parameter_interp(thr_db, thr_smooth, &changed);
    if (changed) {
        thr_step = (thr_smooth - thr_now) / fn;
        thr_count = n;
    }

    changed = 0;
    ratio_smooth = parameter_interp(ratio, ratio_smooth, &changed);
    if (changed) {
        ratio_step = (ratio_smooth - ratio_now) / fn;
        ratio_count = n;
    }
}

float CNFq::gain_law_bender(float L, float T, float R, float maxGR)
{
    if (L < -1000.0f)
        return 0.0f;
    const float k = 1.0f - 1.0f / std::max(R, 1.01f);
    const float hard = std::min(std::max((L - T) * k, 0.0f), maxGR);
    const float c1 = std::clamp((L - (T - 1.0f)) / 2.0f, 0.0f, 1.0f);
    const float c2 = std::clamp((L - (maxGR / k + T - 1.0f)) / 2.0f, 0.0f, 1.0f);
    auto q = [k](float t) {
        const float w = t <= 0.5f ? 2.0f * t : 2.0f - 2.0f * t;
        return (k / 2.0f) * w - k * (t - t * t);
    };
    return -(hard + q(c1) - q(c2));
}

void CNFq::nq_prc(float inL, float inR, float* outL, float* outR, float* gain_out)
{
    float xL = inL * read_out(in_ramp[0]);
    float xR = inR * read_out(in_ramp[1]);
    float p = std::max(std::fabs(xL), std::fabs(xR));

    const float a = attack_coef;
    const float r = release_coef;
    shadow_env = follow(shadow_env, p, a, r);

    if (!comp_in && xfade[0].done && xfade[1].done) {
        if (gain > 0.95f) {
            *gain_out = 0.0f;
            *outL = inL;
            *outR = inR;
            return;
        }
        xL = xR = p = 0.0f;  // let the detector decay while the output stays dry
    }

    env = follow(env, p, a, r);
    const float level = 20.0f * kLog10of2 * vlt::fastlog2(env);
    const float g_db = gain_law_bender(level, thr_now, ratio_now, max_gr);
    gain = vlt::fastexp(g_db / 20.0f * kLn10);
    *gain_out = gain;

    const float yL = soft_clip(xL * gain * read_out(makeup_ramp[0]));
    const float yR = soft_clip(xR * gain * read_out(makeup_ramp[1]));

    advance(thr_now, thr_step, thr_count);
    advance(ratio_now, ratio_step, ratio_count);

    if (xfade[0].done && xfade[1].done && !comp_in) {
        *outL = inL;
        *outR = inR;
        return;
    }
    const float mL = crossfade_step(xfade[0]);
    *outL = (1.0f - mL) * inL + mL * yL;
    const float mR = crossfade_step(xfade[1]);
    *outR = (1.0f - mR) * inR + mR * yR;
}
