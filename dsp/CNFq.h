#pragma once
// The whole signal path: stereo-linked feed-forward compressor with input
// gain, peak detector, soft-knee gain computer with a reduction limit,
// makeup gain, cubic soft clipper and a crossfaded effect in/out switch.
//
// Calling order: construct, nq_srate, nq_init, nqs_max_gr(40), the other
// setters, then for each sub-block of 1..64 frames nq_recalc once and
// nq_prc once per frame. Setters may run on another thread at any time.
#include <cstdint>

#include "knob_ranges.h"
#include "relaxed.h"

namespace vlt::params {
struct CompressorSettings;
}

struct GainRamp {
    float current;
    float target;
    float step;
    int32_t count;
};

struct Crossfader {
    float up;
    float down;
    float mix;
    float target;
    bool done;
};

class CNFq {
public:
    CNFq();
    ~CNFq();
    CNFq(const CNFq&) = delete;
    CNFq& operator=(const CNFq&) = delete;

    // Builds only the constant part in a block owned by someone else (the
    // AAX host); nq_delegate_ctor/nq_delegate_dctor then do the rest.
    struct PlacedInHostMemory {};
    explicit CNFq(PlacedInHostMemory) noexcept;
    void nq_delegate_ctor();
    void nq_delegate_dctor();

    void nq_srate(int fs);
    void set_attack_release(float attack_ms, float release_ms);
    void init();
    void nq_init() { init(); }

    void nqs_input_gain(float dB) { in_gain_db = dB; }
    void nqs_threshold(float dB) { thr_db = dB; }
    void nqs_attack(float ms);
    void nqs_decay(float ms);
    void nqs_ratio(float r) { ratio = r; }
    void nqs_makeup(float dB) { makeup_db = dB; }
    void nqs_max_gr(float dB) { max_gr = dB; }
    void nqs_comp_in(bool on) { comp_in_req = on; }

    void nq_recalc(int n);
    void nq_prc(float inL, float inR, float* outL, float* outR, float* gain);
    // n frames at once, bit for bit what n calls of nq_prc give. Each output
    // may be its own input buffer. gains (n values) may be null; returns the
    // gain reported for the last frame (0 when n < 1, nothing processed).
    float nq_prc_block(const float* inL, const float* inR, float* outL, float* outR, float* gains, int n);
    void nq_clear();

    static float gain_law_bender(float L, float T, float R, float maxGR);
    static float parameter_interp(float target, float current, int* changed);
    // The Ratio knob's taper, as the AAX mapping names it.
    static float bend_ratio(float x) { return vlt::params::bend_ratio(x); }

    // Read-only views for owners and tests.
    float current_gain() const { return gain; }
    float envelope() const { return env; }
    float shadow_envelope() const { return shadow_env; }
    float attack_coefficient() const { return attack_coef; }
    float release_coefficient() const { return release_coef; }
    float smoothed_makeup() const { return makeup_smooth; }
    float smoothed_in_gain() const { return in_gain_smooth; }
    float smoothed_threshold() const { return thr_smooth; }
    float smoothed_ratio() const { return ratio_smooth; }
    float threshold_now() const { return thr_now; }
    float ratio_now_value() const { return ratio_now; }
    int32_t sample_rate() const { return srate_i; }
    bool is_comp_in() const { return comp_in; }
    bool comp_in_requested() const { return comp_in_req; }
    const GainRamp& input_ramp(int ch) const { return in_ramp[ch]; }
    const GainRamp& makeup_gain_ramp(int ch) const { return makeup_ramp[ch]; }
    const Crossfader& crossfader(int ch) const { return xfade[ch]; }
    float attack_time() const { return attack_ms; }
    float release_time() const { return release_ms; }
    float input_gain_target() const { return in_gain_db; }
    float threshold_target() const { return thr_db; }
    float ratio_target() const { return ratio; }
    float makeup_target() const { return makeup_db; }
    float max_reduction() const { return max_gr; }

private:
    void set_defaults(const vlt::params::CompressorSettings& s);
    void allocate_records();
    void free_records();
    void restart_crossfaders();
    float coefficient_for(float ms) const;
    float frames_one_by_one(const float* inL, const float* inR, float* outL, float* outR, float* gains,
                            int n);
    static constexpr int kSteadyMax = 64;  // frames per steady_block call
    bool steady_block_applies() const;
    float steady_block(const float* inL, const float* inR, float* outL, float* outR, float* gains, int n);
    float general_block(const float* inL, const float* inR, float* outL, float* outR, float* gains, int n,
                        int& done);
    float switched_out_block(const float* inL, const float* inR, float* outL, float* outR, float* gains,
                             int n);
    float settled_block(const float* inL, const float* inR, float* outL, float* outR, float* gains, int n);

    using RFloat = vlt::Relaxed<float>;

    // Written by setters on other threads: relaxed atomics.
    RFloat attack_coef;
    RFloat release_coef;
    float env;
    float shadow_env;
    float gain;
    RFloat in_gain_db;
    RFloat makeup_db;
    float in_gain_smooth;
    float makeup_smooth;
    float thr_now;
    float ratio_now;
    RFloat attack_ms;
    RFloat release_ms;
    RFloat max_gr;
    float thr_step;
    float ratio_step;
    float thr_smooth;
    RFloat thr_db;
    float ratio_smooth;
    RFloat ratio;
    float srate;
    vlt::Relaxed<int32_t> srate_i;
    int32_t thr_count;
    int32_t ratio_count;
    bool comp_in;
    vlt::Relaxed<bool> comp_in_req;
    GainRamp* in_ramp;
    GainRamp* makeup_ramp;
    Crossfader* xfade;
};
