#include "CACFUnknown.h"

std::atomic<uint32_t> CACFUnknown::m_ActiveObjects{0};

CACFUnknown::CACFUnknown() : m_Outer(&m_Private), m_Private(this) { ++m_ActiveObjects; }

CACFUnknown::~CACFUnknown() { --m_ActiveObjects; }

ACFRESULT CACFUnknown::InternalQueryInterface(const acfIID& iid, void** out)
{
    if (!out)
        return ACF_E_POINTER;
    *out = nullptr;
    if (!(iid == IID_IACFUnknown))
        return ACF_E_NOINTERFACE;
    *out = &m_Private;
    m_Private.AddRef();
    return 0;
}

uint32_t CACFUnknown::InternalAddRef() { return ++m_RefCount; }

uint32_t CACFUnknown::InternalRelease()
{
    // Decide on the value this decrement produced: reading the count again
    // would let two releasing threads both see 0 and both delete.
    const uint32_t left = --m_RefCount;
    if (left == 0) {
        FinalRelease();
        ReclaimMemory();
    }
    return left;
}
