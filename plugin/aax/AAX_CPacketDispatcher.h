#pragma once
// Sends parameter values to the algorithm's data-in ports: each parameter
// marks its port's packet dirty on update; Dispatch fills and posts the
// dirty packets through the controller.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "AAX_CMutex.h"
#include "AAX_HostWrappers.h"

class AAX_IEffectParameters;
class AAX_CPacketDispatcher;

class AAX_CPacket {
public:
    explicit AAX_CPacket(int32_t portID) : mID(portID), m_data(8, 0) {}
    int32_t GetID() const { return mID; }
    bool IsDirty() const { return mDirty; }
    void SetDirty(bool dirty) { mDirty = dirty; }
    uint32_t GetSize() const { return mDataSize; }
    void SetSize(uint32_t size) { mDataSize = size; }
    // Resizes the buffer to n bytes (new bytes zero) and returns its start.
    template <class T>
    T* GetPtr(size_t n = sizeof(T))
    {
        m_data.resize(n, 0);
        return reinterpret_cast<T*>(m_data.data());
    }
    const unsigned char* Data() const { return m_data.data(); }

private:
    int32_t mID;
    bool mDirty = true;
    uint32_t mDataSize = 0;
    std::vector<unsigned char> m_data;
};

class AAX_IPacketHandler {
public:
    virtual ~AAX_IPacketHandler() = default;
    virtual AAX_IPacketHandler* Clone() const = 0;
    virtual AAX_Result Call(AAX_CParamID id, AAX_CPacket& packet) const = 0;
};

template <class Target>
class AAX_CPacketHandler final : public AAX_IPacketHandler {
public:
    typedef AAX_Result (Target::*OneArg)(AAX_CPacket&);
    typedef AAX_Result (Target::*TwoArg)(AAX_CParamID, AAX_CPacket&);

    AAX_CPacketHandler(Target* target, TwoArg two) : m_target(target), m_two(two) {}
    AAX_CPacketHandler(Target* target, OneArg one) : m_target(target), m_one(one) {}
    AAX_CPacketHandler* Clone() const override { return new AAX_CPacketHandler(*this); }
    AAX_Result Call(AAX_CParamID id, AAX_CPacket& packet) const override
    {
        if (m_target && m_two)
            return (m_target->*m_two)(id, packet);
        if (m_target && m_one)
            return (m_target->*m_one)(packet);
        return AAX_ERROR_NULL_OBJECT;
    }

private:
    Target* m_target;
    OneArg m_one = nullptr;
    TwoArg m_two = nullptr;
};

class AAX_CPacketDispatcher {
public:
    AAX_CPacketDispatcher() = default;
    ~AAX_CPacketDispatcher();
    AAX_CPacketDispatcher(const AAX_CPacketDispatcher&) = delete;
    AAX_CPacketDispatcher& operator=(const AAX_CPacketDispatcher&) = delete;

    void Initialize(AAX_IController* controller, AAX_IEffectParameters* effect);
    // A negative port has no packet and is refused.
    AAX_Result RegisterPacket(AAX_CParamID id, int32_t portID, const AAX_IPacketHandler* handler);
    template <class Target>
    AAX_Result RegisterPacket(AAX_CParamID id, int32_t portID, Target* target,
                              AAX_Result (Target::*two)(AAX_CParamID, AAX_CPacket&))
    {
        const AAX_CPacketHandler<Target> handler(target, two);
        return RegisterPacket(id, portID, &handler);
    }
    AAX_Result SetDirty(AAX_CParamID id, bool dirty = true);
    AAX_Result Dispatch();
    AAX_Result GenerateSingleValuePacket(AAX_CParamID id, AAX_CPacket& packet);
    // Drops every packet and handler (a second initialisation registers anew).
    void RemoveAll();

private:
    struct Entry {
        AAX_CPacket* packet;
        std::unique_ptr<AAX_IPacketHandler> handler;
    };
    struct Outgoing {
        int32_t port;
        std::vector<unsigned char> bytes;
    };
    void clear_tables();

    std::map<int32_t, std::unique_ptr<AAX_CPacket>> m_packets;
    std::multimap<std::string, Entry> m_handlers;
    AAX_IController* m_controller = nullptr;
    AAX_IEffectParameters* m_effect = nullptr;
    AAX_CMutex m_lock;
};
