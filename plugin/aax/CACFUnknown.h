#pragma once
// Reference-counted base of every plug-in object the host creates, and
// the smart pointer that holds a host interface inside the wrappers.
#include <atomic>

#include "aax_host_interface.h"

class CACFUnknown {
public:
    CACFUnknown();
    virtual ~CACFUnknown();
    CACFUnknown(const CACFUnknown&) = delete;
    CACFUnknown& operator=(const CACFUnknown&) = delete;

    virtual ACFRESULT InitializeInstance(IACFUnknown* outer) { return 0; }
    virtual void FinalRelease() {}
    virtual void ReclaimMemory() { delete this; }
    virtual ACFRESULT InternalQueryInterface(const acfIID& iid, void** out);
    virtual uint32_t InternalAddRef();
    virtual uint32_t InternalRelease();

    static uint32_t GetActiveObjectCount() { return m_ActiveObjects.load(); }
    IACFUnknown* GetOuterUnknown() const { return m_Outer; }
    IACFUnknown* GetPrivateUnknown() { return &m_Private; }

protected:
    class PrivateUnknown final : public IACFUnknown {
    public:
        explicit PrivateUnknown(CACFUnknown* owner) : m_owner(owner) {}
        ACFRESULT QueryInterface(const acfIID& iid, void** out) override
        {
            return m_owner->InternalQueryInterface(iid, out);
        }
        uint32_t AddRef() override { return m_owner->InternalAddRef(); }
        uint32_t Release() override { return m_owner->InternalRelease(); }

    private:
        CACFUnknown* m_owner;
    };

private:
    std::atomic<uint32_t> m_RefCount{0};
    IACFUnknown* m_Outer;
    PrivateUnknown m_Private;
    static std::atomic<uint32_t> m_ActiveObjects;
};

// The three unknown slots of a plug-in interface, forwarded to the outer
// unknown; exceptions never leave a slot the host calls.
#define AAX_FORWARD_UNKNOWN_SLOTS                                      \
    ACFRESULT QueryInterface(const acfIID& iid, void** out) override   \
    {                                                                  \
        return GetOuterUnknown()->QueryInterface(iid, out);            \
    }                                                                  \
    uint32_t AddRef() override { return GetOuterUnknown()->AddRef(); } \
    uint32_t Release() override { return GetOuterUnknown()->Release(); }

// Runs a slot body; anything thrown becomes the ACF failure code.
template <class F>
AAX_Result aax_guarded(F&& body) noexcept
{
    try {
        return body();
    } catch (...) {
        return ACF_E_UNEXPECTED;
    }
}

template <class T>
class ACFPtr {
public:
    ACFPtr() = default;
    ~ACFPtr() { reset(); }
    ACFPtr(const ACFPtr&) = delete;
    ACFPtr& operator=(const ACFPtr&) = delete;

    void reset(T* p = nullptr)
    {
        T* old = m_p;
        m_p = p;
        if (old)
            old->Release();
    }
    T* get() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    T* operator->() const
    {
        if (!m_p)
            throw int32_t(ACF_E_POINTER);
        return m_p;
    }

private:
    T* m_p = nullptr;
};

// Asks the unknown for iid; the pointer stays empty when it is refused.
template <class T>
void acf_query(IACFUnknown* unknown, const acfIID& iid, ACFPtr<T>& into)
{
    into.reset();
    void* got = nullptr;
    if (unknown && unknown->QueryInterface(iid, &got) == 0 && got)
        into.reset(static_cast<T*>(got));
}

// Creates a host component through the host's component factory.
template <class T>
void acf_create(IACFUnknown* host, const acfCLSID& compID, const acfIID& iid, ACFPtr<T>& into)
{
    into.reset();
    ACFPtr<IACFComponentFactory> factory;
    acf_query(host, IID_IACFComponentFactory, factory);
    void* got = nullptr;
    if (factory && factory->CreateComponent(compID, nullptr, iid, &got) == 0 && got)
        into.reset(static_cast<T*>(got));
}
