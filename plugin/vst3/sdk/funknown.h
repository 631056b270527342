#pragma once
// The root of every VST3 interface and the identifier class. Interfaces are
// plain abstract structs: no virtual destructors, so the vtable holds the
// interface's methods and nothing else, exactly as hosts call them.
#include "vst3_iids.h"

namespace Steinberg {

struct FUnknown {
    VST3_INTERFACE_IID(FUnknown);
    virtual tresult PLUGIN_API queryInterface(const TUID iid, void** obj) = 0;
    virtual uint32 PLUGIN_API addRef() = 0;
    virtual uint32 PLUGIN_API release() = 0;
};

// A class or interface identifier held as sixteen bytes in the platform's
// order.
class FUID {
public:
    FUID() = default;
    FUID(uint32 l1, uint32 l2, uint32 l3, uint32 l4) { from(UidWords{l1, l2, l3, l4}); }
    explicit FUID(UidWords w) { from(w); }
    static FUID fromTUID(const int8* bytes);

    const int8* toTUID() const { return data_; }
    void toTUID(TUID out) const;
    UidWords words() const { return uid_words(data_); }
    bool isValid() const;
    bool operator==(const FUID& o) const { return uid_equal(data_, o.data_); }
    bool operator==(const int8* bytes) const { return uid_equal(data_, bytes); }

private:
    void from(UidWords w);
    TUID data_ = {};
};

// Answers `iid` with `self` when it names Interface, adding a reference.
template <typename Interface, typename Self>
bool query_as(const TUID iid, void** obj, Self* self)
{
    if (!uid_equal(iid, Interface::iid))
        return false;
    self->addRef();
    *obj = static_cast<Interface*>(self);
    return true;
}

// Owning pointer for interfaces: releases what it holds.
template <typename T>
class IPtr {
public:
    IPtr() = default;
    IPtr(T* p, bool add_ref = true) : p_(p)
    {
        if (p_ && add_ref)
            p_->addRef();
    }
    IPtr(const IPtr& o) : IPtr(o.p_) {}
    IPtr& operator=(const IPtr& o)
    {
        reset(o.p_);
        return *this;
    }
    ~IPtr()
    {
        if (p_)
            p_->release();
    }
    void reset(T* p = nullptr, bool add_ref = true)
    {
        if (p && add_ref)
            p->addRef();
        if (p_)
            p_->release();
        p_ = p;
    }
    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};

// Asks `unknown` for interface T; empty when it is not offered.
template <typename T>
IPtr<T> query(FUnknown* unknown)
{
    void* obj = nullptr;
    if (!unknown || unknown->queryInterface(T::iid, &obj) != kResultOk || !obj)
        return {};
    return IPtr<T>(static_cast<T*>(obj), false);
}

}  // namespace Steinberg
