#include "fake_host.h"

#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace fake {

AAX_CBoolean PropertyMap::GetProperty(AAX_EProperty p, AAX_CPropertyValue* v) const
{
    auto it = values.find(p);
    if (it == values.end())
        return 0;
    *v = it->second;
    return 1;
}

AAX_Result ComponentDescriptor::AddDataInPort(int32_t f, uint32_t size, AAX_EDataInPortType type)
{
    portSizes[f] = size;
    portTypes[f] = type;
    return field(f, "data in");
}

AAX_Result ComponentDescriptor::AddPrivateData(int32_t f, int32_t size, uint32_t options)
{
    privateSize = size;
    privateOptions = options;
    return field(f, "private");
}

AAX_Result ComponentDescriptor::AddProcessProc_Native(AAX_CProcessProc process, IACFUnknown* properties,
                                                      AAX_CInstanceInitProc init, AAX_CBackgroundProc,
                                                      uint32_t*)
{
    procs.push_back({process, init,
                     static_cast<PropertyMap*>(static_cast<AAX_IACFPropertyMap_V2*>(
                         static_cast<AAX_IACFPropertyMap*>(static_cast<void*>(properties))))});
    return 0;
}

AAX_Result ComponentDescriptor::AddMeters(int32_t f, const uint32_t* ids, uint32_t count)
{
    meterIDs.assign(ids, ids + count);
    return field(f, "meters");
}

AAX_Result EffectDescriptor::AddComponent(IACFUnknown* c)
{
    components.push_back(static_cast<ComponentDescriptor*>(static_cast<AAX_IACFComponentDescriptor_V2*>(
        static_cast<AAX_IACFComponentDescriptor*>(static_cast<void*>(c)))));
    return 0;
}

AAX_Result EffectDescriptor::AddMeterDescription(uint32_t id, const char* name, IACFUnknown* p)
{
    meters.push_back({id, name,
                      static_cast<PropertyMap*>(static_cast<AAX_IACFPropertyMap_V2*>(
                          static_cast<AAX_IACFPropertyMap*>(static_cast<void*>(p))))});
    return 0;
}

AAX_Result Collection::AddEffect(const char* id, IACFUnknown* d)
{
    effects.emplace_back(id, static_cast<EffectDescriptor*>(static_cast<AAX_IACFEffectDescriptor_V2*>(
                                 static_cast<AAX_IACFEffectDescriptor*>(static_cast<void*>(d)))));
    return 0;
}

AAX_Result Controller::PostPacket(int32_t port, const void* data, uint32_t size)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    packets.push_back({port, std::vector<unsigned char>(bytes, bytes + size)});
    if (onPost)
        onPost();
    auto it = portBuffers.find(port);
    if (it != portBuffers.end()) {
        // A host copies by the posted size into a port of its declared size.
        if (size > it->second.second)
            fake_host_failure("packet larger than port " + std::to_string(port));
        else
            std::memcpy(it->second.first, data, size);
    }
    return 0;
}

AAX_Result Controller::GetCurrentMeterValue(uint32_t id, float* v) const
{
    if (meterFails || id != aax_fourcc("Mtr1"))
        return AAX_ERROR_INVALID_PARAMETER_ID;
    *v = meterTap ? *meterTap : meter;
    return 0;
}

AAX_Result ViewContainer::HandleParameterMouseDown(AAX_CParamID id, uint32_t modifiers)
{
    const std::string name = id ? id : "(null)";
    mouseDowns.push_back(name + " " + std::to_string(modifiers));
    const auto answer = mouseDownAnswers.find(name);
    return answer == mouseDownAnswers.end() ? mouseDownAnswer : answer->second;
}

AAX_Result Automation::log(const char* what, AAX_CParamID id, double v) const
{
    char text[128];
    std::snprintf(text, sizeof text, "%s %s %g", what, id, v);
    events.emplace_back(text);
    return 0;
}

AAX_Result Automation::log(const char* what, AAX_CParamID id) const
{
    events.push_back(std::string(what) + " " + id);
    return 0;
}

std::vector<std::string> Automation::take()
{
    std::vector<std::string> out;
    out.swap(events);
    return out;
}

ACFRESULT Factory::CreateComponent(const acfCLSID& comp, IACFUnknown*, const acfIID& iid, void** out)
{
    *out = nullptr;
    if (host.offer.refuseCreation)
        return ACF_E_NOINTERFACE;
    if (host.offer.throwOnCreate)
        throw std::runtime_error("host failure");
    if (comp == AAXCompID_AAXCollection) {
        auto& c = host.collections.emplace_back(std::make_unique<Collection>());
        c->definitionOffered = host.offer.pluginDefinition;
        return c->QueryInterface(iid, out);
    }
    if (comp == AAXCompID_AAXEffectDescriptor)
        return host.effects.emplace_back(std::make_unique<EffectDescriptor>())->QueryInterface(iid, out);
    if (comp == AAXCompID_AAXComponentDescriptor)
        return host.components.emplace_back(std::make_unique<ComponentDescriptor>())
            ->QueryInterface(iid, out);
    if (comp == AAXCompID_AAXPropertyMap)
        return host.maps.emplace_back(std::make_unique<PropertyMap>())->QueryInterface(iid, out);
    if (comp == AAXCompID_HostServices)
        return host.services.QueryInterface(iid, out);
    return ACF_E_NOINTERFACE;
}

Host::Host(Offer o) : offer(o), factory(*this), controller(o.controllerV2) { iids = {IID_IACFUnknown}; }

ACFRESULT Host::QueryInterface(const acfIID& iid, void** out)
{
    *out = nullptr;
    if (iid == IID_IACFComponentFactory)
        return offer.factory ? factory.QueryInterface(iid, out) : ACF_E_NOINTERFACE;
    if (iid == IID_IAAXControllerV1 || iid == IID_IAAXControllerV2)
        return controller.QueryInterface(iid, out);
    if (iid == IID_IAAXAutomationDelegateV1)
        return offer.automation ? automation.QueryInterface(iid, out) : ACF_E_NOINTERFACE;
    if (iid == IID_IAAXTransportV1 || iid == IID_IAAXTransportV2)
        return transport.QueryInterface(iid, out);
    if (iid == IID_IAAXEffectParametersV1 && effectParameters)
        return effectParameters->QueryInterface(iid, out);
    return Counted::QueryInterface(iid, out);
}

std::vector<const int*> Host::allRefs() const
{
    std::vector<const int*> all = {&refs,           &factory.refs, &controller.refs, &automation.refs,
                                   &transport.refs, &services.refs};
    for (auto& c : collections) {
        all.push_back(&c->refs);
        all.push_back(&c->definition.refs);
    }
    for (auto& e : effects)
        all.push_back(&e->refs);
    for (auto& c : components)
        all.push_back(&c->refs);
    for (auto& m : maps)
        all.push_back(&m->refs);
    return all;
}

bool Host::balanced() const
{
    for (const int* r : allRefs())
        if (*r != 0)
            return false;
    return true;
}

}  // namespace fake
