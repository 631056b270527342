#pragma once
// How a wrapper forwards one operation: to the host when the interface is
// there, else the answer for a missing interface.
#include "aax_host_interface.h"

template <class P, class F>
AAX_Result aax_forward(const P& ptr, AAX_Result missing, F&& call)
{
    return ptr ? call(ptr.get()) : missing;
}

constexpr AAX_Result kAAXNoV1 = AAX_ERROR_NULL_OBJECT;
constexpr AAX_Result kAAXNoV2 = AAX_ERROR_UNIMPLEMENTED;

#define AAX_V1_CALL(expr) aax_forward(m_v1, kAAXNoV1, [&](auto* h) { return h->expr; })
#define AAX_V2_CALL(expr) aax_forward(m_v2, kAAXNoV2, [&](auto* h) { return h->expr; })
