// The module's factory: the vendor record and the processor and controller
// classes.
#include "CPlug.h"
#include "CPlugController.h"
#include "module_entry.h"
#include "plug_ids.h"
#include "pluginfactory.h"
#include "vst3_strings.h"

using namespace Steinberg;
using namespace Steinberg::Vst::vlt650;

namespace {

// Cleared by the factory itself when the host drops its last reference.
CPluginFactory* gPluginFactory = nullptr;

PClassInfo2 class_info(const FUID& cid, const char8* category, const char8* name, uint32 flags,
                       const char8* subCategories)
{
    PClassInfo2 info{};
    cid.toTUID(info.cid);
    info.cardinality = PClassInfo::kManyInstances;
    copy_field(info.category, category, sizeof(info.category));
    copy_field(info.name, name, sizeof(info.name));
    info.classFlags = flags;
    copy_field(info.subCategories, subCategories, sizeof(info.subCategories));
    copy_field(info.vendor, "", sizeof(info.vendor));
    copy_field(info.version, kVersion, sizeof(info.version));
    copy_field(info.sdkVersion, kSdkVersion, sizeof(info.sdkVersion));
    return info;
}

CPluginFactory* make_factory()
{
    PFactoryInfo info{};
    copy_field(info.vendor, kVendor, sizeof(info.vendor));
    copy_field(info.url, kUrl, sizeof(info.url));
    copy_field(info.email, kEmail, sizeof(info.email));
    info.flags = PFactoryInfo::kUnicode;
    auto* factory = new CPluginFactory(info, &gPluginFactory);
    factory->registerClass(
        class_info(kProcessorUID, "Audio Module Class", kProcessorName, Vst::kDistributable, kSubCategories),
        &Vst::CPlug::createInstance);
    factory->registerClass(class_info(kControllerUID, "Component Controller Class", kControllerName, 0, ""),
                           &Vst::CPlugController::createInstance);
    return factory;
}

}  // namespace

VST3_EXPORT IPluginFactory* PLUGIN_API GetPluginFactory()
{
    try {
        if (gPluginFactory) {
            gPluginFactory->addRef();
            return gPluginFactory;
        }
        gPluginFactory = make_factory();
        return gPluginFactory;
    } catch (...) {
        return nullptr;
    }
}
