#pragma once
// A host's own floating-point mode around plug-in calls: denormals kept
// and rounding toward zero, so that a process call that does not flush
// denormals, or does not hand the host's mode back exactly, shows.
#include <cmath>
#include <vector>

#if defined(__SSE__)
#include <pmmintrin.h>
#include <xmmintrin.h>
#define VLT_TEST_HOST_FP_MODE 1

namespace vlt::test {

class HostFpMode {
public:
    HostFpMode() : saved_(_mm_getcsr())
    {
        _mm_setcsr((saved_ & ~(_MM_ROUND_MASK | _MM_FLUSH_ZERO_ON | _MM_DENORMALS_ZERO_ON)) |
                   _MM_ROUND_TOWARD_ZERO);
        mode_ = _mm_getcsr();
    }
    ~HostFpMode() { _mm_setcsr(saved_); }
    HostFpMode(const HostFpMode&) = delete;
    HostFpMode& operator=(const HostFpMode&) = delete;

    bool intact() const { return _mm_getcsr() == mode_; }

private:
    unsigned int saved_;
    unsigned int mode_ = 0;
};

inline int subnormal_count(const std::vector<float>& samples)
{
    int n = 0;
    for (float s : samples)
        n += std::fpclassify(s) == FP_SUBNORMAL;
    return n;
}

}  // namespace vlt::test
#else
#define VLT_TEST_HOST_FP_MODE 0
#endif
