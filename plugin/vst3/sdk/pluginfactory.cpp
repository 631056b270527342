#include "pluginfactory.h"

#include <cstring>
#include <new>

namespace Steinberg {

CPluginFactory::CPluginFactory(const PFactoryInfo& info, CPluginFactory** slot)
    : factoryInfo_(info), slot_(slot)
{
    classes_.reserve(4);
}

CPluginFactory::~CPluginFactory()
{
    if (slot_ && *slot_ == this)
        *slot_ = nullptr;
}

tresult PLUGIN_API CPluginFactory::queryInterface(const TUID iid, void** obj)
{
    if (!obj)
        return kInvalidArgument;
    if (query_as<IPluginFactory2>(iid, obj, this) || query_as<IPluginFactory>(iid, obj, this) ||
        query_as<FUnknown>(iid, obj, this))
        return kResultOk;
    *obj = nullptr;
    return kNoInterface;
}

bool CPluginFactory::registerClass(const PClassInfo2& info, CreateFunction create, void* context)
{
    if (!create || isClassRegistered(FUID::fromTUID(info.cid)))
        return false;
    classes_.push_back({info, create, context});
    return true;
}

bool CPluginFactory::isClassRegistered(const FUID& cid) const
{
    for (const ClassEntry& c : classes_)
        if (cid == c.info.cid)
            return true;
    return false;
}

tresult PLUGIN_API CPluginFactory::getFactoryInfo(PFactoryInfo* info)
{
    if (!info)
        return kInvalidArgument;
    *info = factoryInfo_;
    return kResultOk;
}

tresult PLUGIN_API CPluginFactory::getClassInfo(int32 index, PClassInfo* info)
{
    if (!info)
        return kInvalidArgument;
    if (index < 0 || index >= countClasses())
        return kInvalidArgument;
    const PClassInfo2& src = classes_[static_cast<std::size_t>(index)].info;
    std::memcpy(info->cid, src.cid, sizeof(TUID));
    info->cardinality = src.cardinality;
    std::memcpy(info->category, src.category, sizeof(info->category));
    std::memcpy(info->name, src.name, sizeof(info->name));
    return kResultOk;
}

tresult PLUGIN_API CPluginFactory::getClassInfo2(int32 index, PClassInfo2* info)
{
    if (!info)
        return kInvalidArgument;
    if (index < 0 || index >= countClasses())
        return kInvalidArgument;
    *info = classes_[static_cast<std::size_t>(index)].info;
    return kResultOk;
}

tresult PLUGIN_API CPluginFactory::createInstance(FIDString cid, FIDString iid, void** obj)
{
    if (!obj)
        return kInvalidArgument;
    *obj = nullptr;
    if (!cid || !iid)
        return kInvalidArgument;
    for (const ClassEntry& c : classes_) {
        if (!uid_equal(c.info.cid, cid))
            continue;
        FUnknown* instance = nullptr;
        try {
            instance = c.create(c.context);
        } catch (...) {  // nothing may unwind into the host
            return kOutOfMemory;
        }
        if (!instance)
            return kOutOfMemory;
        const tresult r = instance->queryInterface(iid, obj);
        instance->release();
        if (r != kResultOk || !*obj) {
            *obj = nullptr;
            return kNoInterface;
        }
        return kResultOk;
    }
    return kNoInterface;
}

}  // namespace Steinberg
