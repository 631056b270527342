#include "AAX_CPacketDispatcher.h"

#include <cstring>

#include "AAX_CEffectParameters.h"

AAX_CPacketDispatcher::~AAX_CPacketDispatcher()
{
    // The tables go under the lock, which is released before it is destroyed.
    AAX_StLock_Guard guard(m_lock);
    clear_tables();
}

void AAX_CPacketDispatcher::clear_tables()
{
    m_handlers.clear();
    m_packets.clear();
}

void AAX_CPacketDispatcher::RemoveAll()
{
    AAX_StLock_Guard guard(m_lock);
    clear_tables();
}

void AAX_CPacketDispatcher::Initialize(AAX_IController* controller, AAX_IEffectParameters* effect)
{
    m_controller = controller;
    m_effect = effect;
}

AAX_Result AAX_CPacketDispatcher::RegisterPacket(AAX_CParamID id, int32_t portID,
                                                 const AAX_IPacketHandler* handler)
{
    if (!id || !handler || portID < 0)
        return AAX_ERROR_NULL_OBJECT;
    AAX_StLock_Guard guard(m_lock);
    auto& packet = m_packets[portID];
    if (!packet)
        packet = std::make_unique<AAX_CPacket>(portID);
    m_handlers.emplace(id, Entry{packet.get(), std::unique_ptr<AAX_IPacketHandler>(handler->Clone())});
    return AAX_SUCCESS;
}

AAX_Result AAX_CPacketDispatcher::SetDirty(AAX_CParamID id, bool dirty)
{
    if (!id)
        return AAX_SUCCESS;
    AAX_StLock_Guard guard(m_lock);
    auto range = m_handlers.equal_range(id);
    for (auto it = range.first; it != range.second; ++it)
        it->second.packet->SetDirty(dirty);
    return AAX_SUCCESS;
}

AAX_Result AAX_CPacketDispatcher::Dispatch()
{
    // Packets are filled under the lock and posted after it is released:
    // the host may call back into SetDirty from another thread while it
    // takes the post.
    std::vector<Outgoing> outgoing;
    {
        AAX_StLock_Guard guard(m_lock);
        for (auto& [id, entry] : m_handlers) {
            AAX_CPacket& packet = *entry.packet;
            if (!packet.IsDirty())
                continue;
            if (entry.handler->Call(id.c_str(), packet) == AAX_SUCCESS && packet.GetSize() > 0) {
                // The packet's own size: a host copies that many bytes into
                // a port declared for exactly that size.
                const uint32_t size = packet.GetSize();
                const unsigned char* data = packet.GetPtr<unsigned char>(size);
                outgoing.push_back({packet.GetID(), std::vector<unsigned char>(data, data + size)});
            }
            packet.SetDirty(false);
        }
    }
    AAX_Result result = AAX_SUCCESS;
    if (m_controller)
        for (const Outgoing& o : outgoing)
            result = m_controller->PostPacket(o.port, o.bytes.data(), uint32_t(o.bytes.size()));
    return result;
}

AAX_Result AAX_CPacketDispatcher::GenerateSingleValuePacket(AAX_CParamID id, AAX_CPacket& packet)
{
    AAX_IParameter* parameter = nullptr;
    if (!m_effect || m_effect->GetParameter(id, &parameter) != AAX_SUCCESS || !parameter)
        return AAX_ERROR_NULL_OBJECT;

    bool b = false;
    float f = 0;
    int32_t i = 0;
    double d = 0;
    if (parameter->GetValueAsBool(&b)) {
        *packet.GetPtr<int32_t>() = b ? 1 : 0;
        packet.SetSize(4);
    } else if (parameter->GetValueAsFloat(&f)) {
        *packet.GetPtr<float>() = f;
        packet.SetSize(4);
    } else if (parameter->GetValueAsInt32(&i)) {
        *packet.GetPtr<int32_t>() = i;
        packet.SetSize(4);
    } else if (parameter->GetValueAsDouble(&d)) {
        *packet.GetPtr<double>() = d;
        packet.SetSize(8);
    } else {
        return AAX_ERROR_NULL_OBJECT;
    }
    return AAX_SUCCESS;
}
