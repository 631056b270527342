#pragma once
// The block path's vector code needs SSE2 (every x86-64 has it); elsewhere
// the block entry runs the frame path.
#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#define VLT_DSP_SSE2 1
#else
#define VLT_DSP_SSE2 0
#endif
