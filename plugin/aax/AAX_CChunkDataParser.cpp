#include "AAX_CChunkDataParser.h"

#include <cstring>
#include <stdexcept>

#include "AAX_HostWrappers.h"

namespace {

constexpr unsigned char kHeader[4] = {1, 1, 1, 1};
constexpr size_t kMaxTagAndName = 255;

constexpr size_t align4(size_t n) { return (n + 3) & ~size_t(3); }

const char kTags[6] = {0, 'f', 'l', 'd', 's', 'r'};

size_t value_size(const AAX_CChunkDataParser::DataValue& v)
{
    switch (v.mType) {
    case AAX_CChunkDataParser::kDouble: return 8;
    case AAX_CChunkDataParser::kString: return align4(v.mStringValue.Length() + 1);
    default: return 4;
    }
}

size_t entry_size(const AAX_CChunkDataParser::DataValue& v)
{
    return align4(v.mName.Length() + 3) + value_size(v);
}

void put_be(unsigned char* at, uint64_t bits, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        at[i] = uint8_t(bits >> (8 * (bytes - 1 - i)));
}

uint64_t get_be(const unsigned char* at, int bytes)
{
    uint64_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v = v << 8 | at[i];
    return v;
}

// Bounded reading of the data bytes of one record.
class Reader {
public:
    Reader(const unsigned char* data, size_t size) : m_data(data), m_size(size) {}
    size_t offset() const { return m_pos; }
    bool more() const { return m_pos < m_size; }

    // A NUL-terminated text of at most `limit` bytes; false when it has
    // no terminator inside the data (or the limit).
    bool text(std::string& out, size_t limit)
    {
        const size_t room = std::min(limit + 1, m_size - m_pos);
        const void* nul = std::memchr(m_data + m_pos, 0, room);
        if (!nul)
            return false;
        const size_t len = size_t(static_cast<const unsigned char*>(nul) - (m_data + m_pos));
        out.assign(reinterpret_cast<const char*>(m_data + m_pos), len);
        m_pos = align4(m_pos + len + 1);
        return true;
    }

    bool bytes(uint64_t& out, int n, size_t advance)
    {
        if (n > 0 && size_t(n) > m_size - std::min(m_pos, m_size))
            return false;
        out = get_be(m_data + m_pos, n);
        m_pos += advance;
        return true;
    }

private:
    const unsigned char* m_data;
    size_t m_size;
    size_t m_pos = 4;
};

}  // namespace

void AAX_CChunkDataParser::Clear()
{
    mChunkVersion = -1;
    m_lastFound = -1;
    m_entries.clear();
}

void AAX_CChunkDataParser::add(const char* name, int32_t type, const DataValue& value)
{
    DataValue v = value;
    v.mType = type;
    v.mName = AAX_CString(name);
    m_entries.push_back(std::move(v));
}

void AAX_CChunkDataParser::AddDouble(const char* name, double value)
{
    DataValue v;
    v.mValue.d = value;
    add(name, kDouble, v);
}

void AAX_CChunkDataParser::AddInt32(const char* name, int32_t value)
{
    DataValue v;
    v.mValue.i32 = value;
    add(name, kInt32, v);
}

void AAX_CChunkDataParser::AddString(const char* name, const AAX_CString& value)
{
    DataValue v;
    v.mStringValue = value;
    add(name, kString, v);
}

int32_t AAX_CChunkDataParser::FindName(const AAX_CString& name)
{
    const int32_t count = int32_t(m_entries.size());
    if (count == 0)
        return -1;
    const int32_t start = m_lastFound >= count - 1 ? 0 : m_lastFound + 1;
    for (int32_t k = 0; k < count; ++k) {
        const int32_t i = (start + k) % count;
        if (m_entries[size_t(i)].mName == name) {
            m_lastFound = i;
            return i;
        }
    }
    return -1;
}

const AAX_CChunkDataParser::DataValue* AAX_CChunkDataParser::find_typed(const char* name, int32_t type)
{
    const int32_t i = FindName(AAX_CString(name));
    if (i < 0 || m_entries[size_t(i)].mType != type)
        return nullptr;
    return &m_entries[size_t(i)];
}

bool AAX_CChunkDataParser::FindDouble(const char* name, double* value)
{
    const DataValue* v = find_typed(name, kDouble);
    if (v && value)
        *value = v->mValue.d;
    return v != nullptr;
}

bool AAX_CChunkDataParser::FindInt32(const char* name, int32_t* value)
{
    const DataValue* v = find_typed(name, kInt32);
    if (v && value)
        *value = v->mValue.i32;
    return v != nullptr;
}

bool AAX_CChunkDataParser::FindString(const char* name, AAX_CString* value)
{
    const DataValue* v = find_typed(name, kString);
    if (v && value)
        *value = v->mStringValue;
    return v != nullptr;
}

int32_t AAX_CChunkDataParser::GetChunkDataSize() const
{
    size_t size = 4;
    for (const DataValue& v : m_entries)
        size += entry_size(v);
    return size > size_t(INT32_MAX) ? -1 : int32_t(size);
}

AAX_Result AAX_CChunkDataParser::GetChunkData(AAX_SPlugInChunk* chunk) const
{
    if (!chunk)
        return AAX_ERROR_NULL_OBJECT;
    try {
        const int32_t total = GetChunkDataSize();
        if (total < 4)
            throw std::out_of_range("aborting: chunk data will overflow buffer");
        chunk->fSize = total;
        const size_t size = size_t(total);
        auto* data = reinterpret_cast<unsigned char*>(chunk->fData);
        std::memset(data, 0, size);
        std::memcpy(data, kHeader, 4);
        size_t offset = 4;
        for (const DataValue& v : m_entries) {
            // The exact aligned end of this entry, padding after the name included.
            const size_t name_end = align4(offset + 2 + v.mName.Length() + 1);
            if (name_end + value_size(v) > size)
                throw std::out_of_range("aborting: chunk data will overflow buffer");
            data[offset] = uint8_t(kTags[v.mType]);
            data[offset + 1] = '_';
            std::memcpy(data + offset + 2, v.mName.CString(), v.mName.Length() + 1);
            offset = name_end;
            switch (v.mType) {
            case kString:
                std::memcpy(data + offset, v.mStringValue.CString(), v.mStringValue.Length() + 1);
                break;
            case kInt16: put_be(data + offset, uint16_t(v.mValue.i16), 2); break;
            case kDouble: put_be(data + offset, v.mValue.bits, 8); break;
            default: put_be(data + offset, uint32_t(v.mValue.i32), 4); break;
            }
            offset += value_size(v);
        }
        return AAX_SUCCESS;
    } catch (const std::out_of_range& e) {
        AAX_CHostServices::Trace(AAX_eTracePriorityHost_Critical,
                                 "AAX_CChunkDataParser::GetChunkData ERROR: %s", e.what());
        return AAX_ERROR_CHUNK_OVERFLOW;
    } catch (...) {
        return AAX_ERROR_CHUNK_OVERFLOW;
    }
}

void AAX_CChunkDataParser::LoadChunk(const AAX_SPlugInChunk* chunk)
{
    Clear();
    if (!chunk)
        return;
    mChunkVersion = chunk->fVersion;
    if (chunk->fSize < 5)
        return;
    const size_t size = size_t(chunk->fSize);
    const auto* data = reinterpret_cast<const unsigned char*>(chunk->fData);
    if (std::memcmp(data, kHeader, 4) != 0)
        return;

    Reader in(data, size);
    while (in.more()) {
        std::string tagged;
        // A name without its terminator ends the walk: nothing after it can be trusted.
        if (!in.text(tagged, kMaxTagAndName))
            return;
        DataValue v;
        v.mName = AAX_CString(tagged.size() > 2 ? tagged.c_str() + 2 : "");
        uint64_t bits = 0;
        bool ok = true;
        switch (tagged.empty() ? '\0' : tagged[0]) {
        case 'f':
            ok = in.bytes(bits, 4, 4);
            v.mType = kFloat;
            v.mValue.i32 = int32_t(uint32_t(bits));
            break;
        case 'l':
            ok = in.bytes(bits, 4, 4);
            v.mType = kInt32;
            v.mValue.i32 = int32_t(uint32_t(bits));
            break;
        case 'd':
            ok = in.bytes(bits, 8, 8);
            v.mType = kDouble;
            v.mValue.bits = bits;
            break;
        case 's':
            ok = in.bytes(bits, 2, 4);
            v.mType = kInt16;
            v.mValue.i16 = int16_t(uint16_t(bits));
            break;
        case 'r': {
            std::string text;
            ok = in.more() && in.text(text, size);
            v.mType = kString;
            v.mStringValue = AAX_CString(text.c_str());
            break;
        }
        default: break;  // unknown letter: an entry without a value
        }
        if (!ok)
            return;  // a value running past the data: the damaged entry is dropped
        m_entries.push_back(std::move(v));
    }
}
