#pragma once
// Reference counting shared by every object this layer hands to a host.
#include <atomic>

#include "funknown.h"

namespace Steinberg {

class FObject {
public:
    FObject() = default;
    FObject(const FObject&) = delete;
    FObject& operator=(const FObject&) = delete;
    virtual ~FObject() = default;

    uint32 addRefObject() { return ref_.fetch_add(1, std::memory_order_relaxed) + 1; }
    uint32 releaseObject()
    {
        const uint32 left = ref_.fetch_sub(1, std::memory_order_acq_rel) - 1;
        if (left == 0)
            delete this;
        return left;
    }
    uint32 getRefCount() const { return ref_.load(std::memory_order_relaxed); }

private:
    std::atomic<uint32> ref_{1};
};

}  // namespace Steinberg

// addRef and release for a class that joins FObject with interfaces; one
// definition overrides the slots of every interface base at once.
#define VST3_REFCOUNT_METHODS                                                   \
    ::Steinberg::uint32 PLUGIN_API addRef() override { return addRefObject(); } \
    ::Steinberg::uint32 PLUGIN_API release() override { return releaseObject(); }
