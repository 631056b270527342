#pragma once
// Buses and the lists a component keeps them in.
#include <memory>
#include <string>
#include <vector>

#include "ivstcomponent.h"

namespace Steinberg::Vst {

class Bus {
public:
    Bus(const char8* name, BusType type, int32 flags) : name_(name ? name : ""), type_(type), flags_(flags) {}
    virtual ~Bus() = default;

    bool isActive() const { return active_; }
    void setActive(bool state) { active_ = state; }
    const std::string& getName() const { return name_; }
    BusType getBusType() const { return type_; }
    virtual bool getInfo(BusInfo& info) const;

private:
    std::string name_;
    BusType type_;
    int32 flags_;
    bool active_ = false;
};

class AudioBus : public Bus {
public:
    AudioBus(const char8* name, BusType type, int32 flags, SpeakerArrangement arr)
        : Bus(name, type, flags), arrangement_(arr)
    {
    }
    SpeakerArrangement getArrangement() const { return arrangement_; }
    void setArrangement(SpeakerArrangement arr) { arrangement_ = arr; }
    bool getInfo(BusInfo& info) const override;

private:
    SpeakerArrangement arrangement_;
};

class EventBus : public Bus {
public:
    EventBus(const char8* name, BusType type, int32 flags, int32 channels)
        : Bus(name, type, flags), channels_(channels)
    {
    }
    bool getInfo(BusInfo& info) const override;

private:
    int32 channels_;
};

class BusList {
public:
    BusList(MediaType type, BusDirection dir) : type_(type), direction_(dir) {}

    MediaType getType() const { return type_; }
    BusDirection getDirection() const { return direction_; }
    int32 size() const { return static_cast<int32>(buses_.size()); }
    bool empty() const { return buses_.empty(); }
    Bus* at(int32 index) const { return index >= 0 && index < size() ? buses_[index].get() : nullptr; }
    void append(std::unique_ptr<Bus> bus) { buses_.push_back(std::move(bus)); }
    void clear() { buses_.clear(); }

private:
    MediaType type_;
    BusDirection direction_;
    std::vector<std::unique_ptr<Bus>> buses_;
};

}  // namespace Steinberg::Vst
