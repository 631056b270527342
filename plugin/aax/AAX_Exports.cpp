// The module's seven entry points. Each is a shim: nothing thrown below
// it reaches the host.
#include "AAX_Descriptions.h"
#include "AAX_HostWrappers.h"

AAX_Result GetEffectDescriptions(AAX_ICollection* collection);

namespace {

AAX_Result AAXRegisterPlugin(IACFUnknown* host, IACFPluginDefinition** out)
{
    if (!out)
        return AAX_ERROR_NULL_OBJECT;
    *out = nullptr;
    AAX_VCollection collection(host);
    if (const AAX_Result r = GetEffectDescriptions(&collection); r != AAX_SUCCESS)
        return r;
    IACFUnknown* definition = collection.GetIUnknown();
    void* got = nullptr;
    if (!definition || definition->QueryInterface(IID_IACFPluginDefinition, &got) != 0 || !got)
        return AAX_ERROR_NULL_OBJECT;
    *out = static_cast<IACFPluginDefinition*>(got);
    return AAX_SUCCESS;
}

}  // namespace

#define ACF_EXPORT extern "C" __attribute__((visibility("default")))

ACF_EXPORT ACFRESULT ACFRegisterPlugin(IACFUnknown* host, IACFPluginDefinition** out)
{
    return aax_guarded([&] { return AAXRegisterPlugin(host, out); });
}

ACF_EXPORT ACFRESULT ACFRegisterComponent(IACFUnknown*, uint32_t, IACFComponentDefinition** out)
{
    if (out)
        *out = nullptr;
    return AAX_SUCCESS;
}

ACF_EXPORT ACFRESULT ACFGetClassFactory(IACFUnknown*, const acfCLSID&, const acfIID&, void** out)
{
    if (out)
        *out = nullptr;
    return AAX_ERROR_UNIMPLEMENTED;
}

ACF_EXPORT ACFRESULT ACFCanUnloadNow(IACFUnknown*) { return ACFRESULT(CACFUnknown::GetActiveObjectCount()); }

ACF_EXPORT ACFRESULT ACFStartup(IACFUnknown* host)
{
    return aax_guarded([&] {
        AAX_CHostServices::Set(host);
        return AAX_SUCCESS;
    });
}

ACF_EXPORT ACFRESULT ACFShutdown(IACFUnknown*)
{
    return aax_guarded([&] {
        AAX_CHostServices::Set(nullptr);
        return AAX_SUCCESS;
    });
}

ACF_EXPORT ACFRESULT ACFGetSDKVersion(uint64_t* out)
{
    if (!out)
        return AAX_ERROR_NULL_OBJECT;
    *out = kAAXSDKVersion;
    return AAX_SUCCESS;
}
