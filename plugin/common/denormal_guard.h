#pragma once
// Denormal samples cost the compressor many times what music does. Every
// process entry holds one of these: flush-to-zero and denormals-are-zero
// for the length of the call, then the host's own floating-point mode
// back, whatever it was. Only x86 has the mode bits; elsewhere nothing.
#if defined(__SSE__) || defined(_M_X64) || defined(_M_IX86_FP)
#include <pmmintrin.h>
#include <xmmintrin.h>
#define VLT_HAS_MXCSR 1
#else
#define VLT_HAS_MXCSR 0
#endif

namespace vlt {

class DenormalGuard {
public:
#if VLT_HAS_MXCSR
    DenormalGuard() noexcept : saved_(_mm_getcsr())
    {
        _mm_setcsr(saved_ | _MM_FLUSH_ZERO_ON | _MM_DENORMALS_ZERO_ON);
    }
    ~DenormalGuard() { _mm_setcsr(saved_); }
#else
    DenormalGuard() noexcept = default;
#endif
    DenormalGuard(const DenormalGuard&) = delete;
    DenormalGuard& operator=(const DenormalGuard&) = delete;

private:
#if VLT_HAS_MXCSR
    unsigned int saved_;
#endif
};

}  // namespace vlt
