#pragma once
// The plug-in factory: a vendor record and a list of classes with their
// creation functions.
#include <vector>

#include "fobject.h"
#include "ipluginbase.h"

namespace Steinberg {

using CreateFunction = FUnknown* (*)(void* context);

class CPluginFactory : public FObject, public IPluginFactory2 {
public:
    // When `slot` is given, it is cleared as the factory goes, so a module
    // that keeps its factory in a global never hands out a freed one.
    explicit CPluginFactory(const PFactoryInfo& info, CPluginFactory** slot = nullptr);
    ~CPluginFactory() override;
    VST3_REFCOUNT_METHODS
    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;

    bool registerClass(const PClassInfo2& info, CreateFunction create, void* context = nullptr);
    bool isClassRegistered(const FUID& cid) const;

    tresult PLUGIN_API getFactoryInfo(PFactoryInfo* info) override;
    int32 PLUGIN_API countClasses() override { return static_cast<int32>(classes_.size()); }
    tresult PLUGIN_API getClassInfo(int32 index, PClassInfo* info) override;
    tresult PLUGIN_API createInstance(FIDString cid, FIDString iid, void** obj) override;
    tresult PLUGIN_API getClassInfo2(int32 index, PClassInfo2* info) override;

private:
    struct ClassEntry {
        PClassInfo2 info;
        CreateFunction create;
        void* context;
    };
    PFactoryInfo factoryInfo_;
    std::vector<ClassEntry> classes_;
    CPluginFactory** slot_;
};

}  // namespace Steinberg
