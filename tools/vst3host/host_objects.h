#pragma once
// The host side of the VST3 interface, enough to drive a plug-in: host
// application with messages, a memory stream, parameter queues and a
// component handler that logs every call.
#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "fobject.h"
#include "ivstcomponent.h"
#include "ivsteditcontroller.h"
#include "ivstmessage.h"

namespace vst3host {

using namespace Steinberg;
using namespace Steinberg::Vst;

class HostAttributeList : public FObject, public IAttributeList {
public:
    VST3_REFCOUNT_METHODS
    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;
    tresult PLUGIN_API setInt(AttrID id, int64 value) override;
    tresult PLUGIN_API getInt(AttrID id, int64& value) override;
    tresult PLUGIN_API setFloat(AttrID id, double value) override;
    tresult PLUGIN_API getFloat(AttrID id, double& value) override;
    tresult PLUGIN_API setString(AttrID id, const TChar* string) override;
    tresult PLUGIN_API getString(AttrID id, TChar* string, uint32 sizeInBytes) override;
    tresult PLUGIN_API setBinary(AttrID id, const void* data, uint32 sizeInBytes) override;
    tresult PLUGIN_API getBinary(AttrID id, const void*& data, uint32& sizeInBytes) override;

private:
    using Value = std::variant<int64, double, std::u16string, std::vector<uint8>>;
    std::map<std::string, Value> values_;
};

class HostMessage : public FObject, public IMessage {
public:
    HostMessage();
    ~HostMessage() override;
    VST3_REFCOUNT_METHODS
    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;
    FIDString PLUGIN_API getMessageID() override { return id_.c_str(); }
    void PLUGIN_API setMessageID(FIDString id) override { id_ = id ? id : ""; }
    IAttributeList* PLUGIN_API getAttributes() override { return attributes_; }

private:
    std::string id_;
    HostAttributeList* attributes_;
};

class HostApplication : public FObject, public IHostApplication {
public:
    VST3_REFCOUNT_METHODS
    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;
    tresult PLUGIN_API getName(String128 name) override;
    tresult PLUGIN_API createInstance(TUID cid, TUID iid, void** obj) override;
};

// A stream over memory. Two host behaviours seen in the field can be
// switched on: a read past the end that answers success with zero bytes,
// and a store that fills up.
class MemoryStream : public FObject, public IBStream {
public:
    MemoryStream() = default;
    explicit MemoryStream(std::vector<uint8> bytes) : bytes_(std::move(bytes)) {}
    VST3_REFCOUNT_METHODS
    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;
    tresult PLUGIN_API read(void* buffer, int32 numBytes, int32* numBytesRead) override;
    tresult PLUGIN_API write(void* buffer, int32 numBytes, int32* numBytesWritten) override;
    tresult PLUGIN_API seek(int64 pos, int32 mode, int64* result) override;
    tresult PLUGIN_API tell(int64* pos) override;

    const std::vector<uint8>& bytes() const { return bytes_; }
    void rewind() { pos_ = 0; }
    bool lieOnShortRead = false;
    std::size_t capacity = static_cast<std::size_t>(-1);

private:
    std::vector<uint8> bytes_;
    std::size_t pos_ = 0;
};

class ParamValueQueue : public FObject, public IParamValueQueue {
public:
    explicit ParamValueQueue(ParamID id) : id_(id) {}
    VST3_REFCOUNT_METHODS
    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;
    ParamID PLUGIN_API getParameterId() override { return id_; }
    int32 PLUGIN_API getPointCount() override { return static_cast<int32>(points_.size()); }
    tresult PLUGIN_API getPoint(int32 index, int32& sampleOffset, ParamValue& value) override;
    tresult PLUGIN_API addPoint(int32 sampleOffset, ParamValue value, int32& index) override;

    // Makes getPoint fail, as a broken queue would.
    bool failGetPoint = false;

private:
    ParamID id_;
    std::vector<std::pair<int32, ParamValue>> points_;
};

class ParameterChanges : public FObject, public IParameterChanges {
public:
    ~ParameterChanges() override;
    VST3_REFCOUNT_METHODS
    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;
    int32 PLUGIN_API getParameterCount() override { return static_cast<int32>(queues_.size()); }
    IParamValueQueue* PLUGIN_API getParameterData(int32 index) override;
    IParamValueQueue* PLUGIN_API addParameterData(const ParamID& id, int32& index) override;

    ParamValueQueue* queue(int32 index) const;
    void clear();
    // A queue index the host reports without a queue behind it.
    bool holeAtEnd = false;
    // Refuses new queues, as a host with a full list would.
    bool refuseAdd = false;

private:
    std::vector<ParamValueQueue*> queues_;
};

// Component handler and unit handler: records every call as one text line.
class ComponentHandler : public FObject, public IComponentHandler, public IUnitHandler {
public:
    VST3_REFCOUNT_METHODS
    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;
    tresult PLUGIN_API beginEdit(ParamID id) override;
    tresult PLUGIN_API performEdit(ParamID id, ParamValue valueNormalized) override;
    tresult PLUGIN_API endEdit(ParamID id) override;
    tresult PLUGIN_API restartComponent(int32 flags) override;
    tresult PLUGIN_API notifyUnitSelection(UnitID unitId) override;
    tresult PLUGIN_API notifyProgramListChange(ProgramListID listId, int32 programIndex) override;

    std::vector<std::string> log;
    // The values the controller asked the host to hand on (performEdit),
    // in order; the host sends them to the processor.
    std::vector<std::pair<ParamID, ParamValue>> edits;
    bool echo = false;  // also print each line on standard output

private:
    void record(std::string line);
};

std::string to_utf8(const TChar* text);

}  // namespace vst3host
