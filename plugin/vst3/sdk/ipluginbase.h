#pragma once
// Plug-in base interface and the factory with its records.
#include "funknown.h"

namespace Steinberg {

struct IPluginBase : FUnknown {
    VST3_INTERFACE_IID(IPluginBase);
    virtual tresult PLUGIN_API initialize(FUnknown* context) = 0;
    virtual tresult PLUGIN_API terminate() = 0;
};

struct PFactoryInfo {
    enum FactoryFlags {
        kNoFlags = 0,
        kClassesDiscardable = 1 << 0,
        kLicenseCheck = 1 << 1,
        kComponentNonDiscardable = 1 << 3,
        kUnicode = 1 << 4
    };
    enum { kURLSize = 256, kEmailSize = 128, kNameSize = 64 };
    char8 vendor[kNameSize];
    char8 url[kURLSize];
    char8 email[kEmailSize];
    int32 flags;
};

struct PClassInfo {
    enum ClassCardinality { kManyInstances = 0x7FFFFFFF };
    enum { kCategorySize = 32, kNameSize = 64 };
    TUID cid;
    int32 cardinality;
    char8 category[kCategorySize];
    char8 name[kNameSize];
};

struct PClassInfo2 {
    enum { kVendorSize = 64, kVersionSize = 64, kSubCategoriesSize = 128 };
    TUID cid;
    int32 cardinality;
    char8 category[PClassInfo::kCategorySize];
    char8 name[PClassInfo::kNameSize];
    uint32 classFlags;
    char8 subCategories[kSubCategoriesSize];
    char8 vendor[kVendorSize];
    char8 version[kVersionSize];
    char8 sdkVersion[kVersionSize];
};

struct IPluginFactory : FUnknown {
    VST3_INTERFACE_IID(IPluginFactory);
    virtual tresult PLUGIN_API getFactoryInfo(PFactoryInfo* info) = 0;
    virtual int32 PLUGIN_API countClasses() = 0;
    virtual tresult PLUGIN_API getClassInfo(int32 index, PClassInfo* info) = 0;
    virtual tresult PLUGIN_API createInstance(FIDString cid, FIDString iid, void** obj) = 0;
};

struct IPluginFactory2 : IPluginFactory {
    VST3_INTERFACE_IID(IPluginFactory2);
    virtual tresult PLUGIN_API getClassInfo2(int32 index, PClassInfo2* info) = 0;
};

namespace Vst {
enum ComponentFlags { kDistributable = 1 << 0, kSimpleModeSupported = 1 << 1 };
}

}  // namespace Steinberg
