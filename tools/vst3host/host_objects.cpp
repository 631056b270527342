#include "host_objects.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "vst3_strings.h"

namespace vst3host {

namespace {
// queryInterface for an object with one interface.
template <typename I, typename Self>
tresult query_one(Self* self, const TUID iid, void** obj)
{
    if (!obj)
        return kInvalidArgument;
    if (query_as<I>(iid, obj, self) || query_as<FUnknown>(iid, obj, self))
        return kResultOk;
    *obj = nullptr;
    return kNoInterface;
}

template <typename T, typename V>
tresult set_value(std::map<std::string, V>& values, AttrID id, T value)
{
    if (!id)
        return kInvalidArgument;
    values[id] = value;
    return kResultOk;
}

template <typename T, typename V>
tresult get_value(const std::map<std::string, V>& values, AttrID id, T& out)
{
    auto it = id ? values.find(id) : values.end();
    if (it == values.end() || !std::holds_alternative<T>(it->second))
        return kResultFalse;
    out = std::get<T>(it->second);
    return kResultOk;
}
}  // namespace

std::string to_utf8(const TChar* text)
{
    char buf[512];
    utf16_to_utf8(text, buf, sizeof(buf));
    return buf;
}

tresult PLUGIN_API HostAttributeList::queryInterface(const TUID iid, void** obj)
{
    return query_one<IAttributeList>(this, iid, obj);
}

tresult PLUGIN_API HostAttributeList::setInt(AttrID id, int64 value) { return set_value(values_, id, value); }

tresult PLUGIN_API HostAttributeList::getInt(AttrID id, int64& value)
{
    return get_value(values_, id, value);
}

tresult PLUGIN_API HostAttributeList::setFloat(AttrID id, double value)
{
    return set_value(values_, id, value);
}

tresult PLUGIN_API HostAttributeList::getFloat(AttrID id, double& value)
{
    return get_value(values_, id, value);
}

tresult PLUGIN_API HostAttributeList::setString(AttrID id, const TChar* string)
{
    if (!id || !string)
        return kInvalidArgument;
    values_[id] = std::u16string(string);
    return kResultOk;
}

tresult PLUGIN_API HostAttributeList::getString(AttrID id, TChar* string, uint32 sizeInBytes)
{
    std::u16string s;
    if (!string || sizeInBytes < sizeof(TChar) || get_value(values_, id, s) != kResultOk)
        return kResultFalse;
    const std::size_t n = std::min<std::size_t>(s.size(), sizeInBytes / sizeof(TChar) - 1);
    std::copy_n(s.data(), n, string);
    string[n] = 0;
    return kResultOk;
}

tresult PLUGIN_API HostAttributeList::setBinary(AttrID id, const void* data, uint32 sizeInBytes)
{
    if (!id || (!data && sizeInBytes))
        return kInvalidArgument;
    const auto* p = static_cast<const uint8*>(data);
    values_[id] = std::vector<uint8>(p, p + sizeInBytes);
    return kResultOk;
}

tresult PLUGIN_API HostAttributeList::getBinary(AttrID id, const void*& data, uint32& sizeInBytes)
{
    auto it = id ? values_.find(id) : values_.end();
    if (it == values_.end() || !std::holds_alternative<std::vector<uint8>>(it->second))
        return kResultFalse;
    const auto& bytes = std::get<std::vector<uint8>>(it->second);
    data = bytes.data();
    sizeInBytes = static_cast<uint32>(bytes.size());
    return kResultOk;
}

HostMessage::HostMessage() : attributes_(new HostAttributeList) {}
HostMessage::~HostMessage() { attributes_->release(); }

tresult PLUGIN_API HostMessage::queryInterface(const TUID iid, void** obj)
{
    return query_one<IMessage>(this, iid, obj);
}

tresult PLUGIN_API HostApplication::queryInterface(const TUID iid, void** obj)
{
    return query_one<IHostApplication>(this, iid, obj);
}

tresult PLUGIN_API HostApplication::getName(String128 name)
{
    if (!name)
        return kInvalidArgument;
    to_string128(name, "vst3host");
    return kResultOk;
}

tresult PLUGIN_API HostApplication::createInstance(TUID cid, TUID iid, void** obj)
{
    if (!obj)
        return kInvalidArgument;
    *obj = nullptr;
    FUnknown* made = nullptr;
    if (uid_equal(cid, IMessage::iid))
        made = static_cast<IMessage*>(new HostMessage);
    else if (uid_equal(cid, IAttributeList::iid))
        made = static_cast<IAttributeList*>(new HostAttributeList);
    if (!made)
        return kResultFalse;
    const tresult r = made->queryInterface(iid, obj);
    made->release();
    return r;
}

tresult PLUGIN_API MemoryStream::queryInterface(const TUID iid, void** obj)
{
    return query_one<IBStream>(this, iid, obj);
}

tresult PLUGIN_API MemoryStream::read(void* buffer, int32 numBytes, int32* numBytesRead)
{
    if (numBytesRead)
        *numBytesRead = 0;
    if (!buffer || numBytes < 0)
        return kInvalidArgument;
    const std::size_t left = pos_ < bytes_.size() ? bytes_.size() - pos_ : 0;
    const std::size_t n = std::min<std::size_t>(left, static_cast<std::size_t>(numBytes));
    if (n < static_cast<std::size_t>(numBytes) && !lieOnShortRead && n == 0)
        return kResultFalse;
    if (n)
        std::memcpy(buffer, bytes_.data() + pos_, n);
    pos_ += n;
    if (numBytesRead)
        *numBytesRead = static_cast<int32>(n);
    return kResultOk;
}

tresult PLUGIN_API MemoryStream::write(void* buffer, int32 numBytes, int32* numBytesWritten)
{
    if (numBytesWritten)
        *numBytesWritten = 0;
    if (!buffer || numBytes < 0)
        return kInvalidArgument;
    if (pos_ + static_cast<std::size_t>(numBytes) > capacity)
        return kResultFalse;
    if (bytes_.size() < pos_ + static_cast<std::size_t>(numBytes))
        bytes_.resize(pos_ + static_cast<std::size_t>(numBytes));
    std::memcpy(bytes_.data() + pos_, buffer, static_cast<std::size_t>(numBytes));
    pos_ += static_cast<std::size_t>(numBytes);
    if (numBytesWritten)
        *numBytesWritten = numBytes;
    return kResultOk;
}

tresult PLUGIN_API MemoryStream::seek(int64 pos, int32 mode, int64* result)
{
    const int64 base = mode == kIBSeekSet   ? 0
                       : mode == kIBSeekCur ? static_cast<int64>(pos_)
                       : mode == kIBSeekEnd ? static_cast<int64>(bytes_.size())
                                            : -1;
    if (base < 0 || base + pos < 0)
        return kInvalidArgument;
    pos_ = static_cast<std::size_t>(base + pos);
    if (result)
        *result = static_cast<int64>(pos_);
    return kResultOk;
}

tresult PLUGIN_API MemoryStream::tell(int64* pos)
{
    if (!pos)
        return kInvalidArgument;
    *pos = static_cast<int64>(pos_);
    return kResultOk;
}

tresult PLUGIN_API ParamValueQueue::queryInterface(const TUID iid, void** obj)
{
    return query_one<IParamValueQueue>(this, iid, obj);
}

tresult PLUGIN_API ParamValueQueue::getPoint(int32 index, int32& sampleOffset, ParamValue& value)
{
    if (failGetPoint || index < 0 || index >= getPointCount())
        return kResultFalse;
    sampleOffset = points_[static_cast<std::size_t>(index)].first;
    value = points_[static_cast<std::size_t>(index)].second;
    return kResultOk;
}

tresult PLUGIN_API ParamValueQueue::addPoint(int32 sampleOffset, ParamValue value, int32& index)
{
    index = getPointCount();
    points_.emplace_back(sampleOffset, value);
    return kResultOk;
}

ParameterChanges::~ParameterChanges() { clear(); }

tresult PLUGIN_API ParameterChanges::queryInterface(const TUID iid, void** obj)
{
    return query_one<IParameterChanges>(this, iid, obj);
}

IParamValueQueue* PLUGIN_API ParameterChanges::getParameterData(int32 index) { return queue(index); }

IParamValueQueue* PLUGIN_API ParameterChanges::addParameterData(const ParamID& id, int32& index)
{
    for (std::size_t i = 0; i < queues_.size(); ++i)
        if (queues_[i] && queues_[i]->getParameterId() == id) {
            index = static_cast<int32>(i);
            return queues_[i];
        }
    if (refuseAdd)
        return nullptr;
    if (holeAtEnd) {
        holeAtEnd = false;
        queues_.push_back(nullptr);
    }
    index = static_cast<int32>(queues_.size());
    queues_.push_back(new ParamValueQueue(id));
    return queues_.back();
}

ParamValueQueue* ParameterChanges::queue(int32 index) const
{
    return index >= 0 && index < static_cast<int32>(queues_.size()) ? queues_[static_cast<std::size_t>(index)]
                                                                    : nullptr;
}

void ParameterChanges::clear()
{
    for (ParamValueQueue* q : queues_)
        if (q)
            q->release();
    queues_.clear();
}

tresult PLUGIN_API ComponentHandler::queryInterface(const TUID iid, void** obj)
{
    if (!obj)
        return kInvalidArgument;
    if (query_as<IComponentHandler>(iid, obj, this) || query_as<IUnitHandler>(iid, obj, this))
        return kResultOk;
    if (uid_equal(iid, FUnknown::iid)) {
        addRef();
        *obj = static_cast<FUnknown*>(static_cast<IComponentHandler*>(this));
        return kResultOk;
    }
    *obj = nullptr;
    return kNoInterface;
}

void ComponentHandler::record(std::string line)
{
    if (echo)
        std::printf("handler: %s\n", line.c_str());
    log.push_back(std::move(line));
}

tresult PLUGIN_API ComponentHandler::beginEdit(ParamID id)
{
    record("beginEdit " + std::to_string(id));
    return kResultOk;
}

tresult PLUGIN_API ComponentHandler::performEdit(ParamID id, ParamValue valueNormalized)
{
    char value[32];
    std::snprintf(value, sizeof(value), "%.6f", valueNormalized);
    record("performEdit " + std::to_string(id) + " " + value);
    edits.emplace_back(id, valueNormalized);
    return kResultOk;
}

tresult PLUGIN_API ComponentHandler::endEdit(ParamID id)
{
    record("endEdit " + std::to_string(id));
    return kResultOk;
}

tresult PLUGIN_API ComponentHandler::restartComponent(int32 flags)
{
    record("restartComponent " + std::to_string(flags));
    return kResultOk;
}

tresult PLUGIN_API ComponentHandler::notifyUnitSelection(UnitID unitId)
{
    record("notifyUnitSelection " + std::to_string(unitId));
    return kResultOk;
}

tresult PLUGIN_API ComponentHandler::notifyProgramListChange(ProgramListID listId, int32 programIndex)
{
    record("notifyProgramListChange " + std::to_string(listId) + " " + std::to_string(programIndex));
    return kResultOk;
}

}  // namespace vst3host
