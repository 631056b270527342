#pragma once
// The saved-state chunk: a header of four 01 bytes, then named, typed,
// big-endian values, each aligned to 4 bytes from the start of the data.
#include <vector>

#include "AAX_CString.h"

class AAX_CChunkDataParser {
public:
    enum EType : int32_t { kNone = 0, kFloat = 1, kInt32 = 2, kDouble = 3, kInt16 = 4, kString = 5 };

    struct DataValue {
        int32_t mType = kNone;
        AAX_CString mName;
        union {
            float f;
            int32_t i32;
            double d;
            int16_t i16;
            uint64_t bits;
        } mValue{};
        AAX_CString mStringValue;
    };

    AAX_CChunkDataParser() = default;
    virtual ~AAX_CChunkDataParser() = default;

    void Clear();
    void AddDouble(const char* name, double value);
    void AddInt32(const char* name, int32_t value);
    void AddString(const char* name, const AAX_CString& value);
    int32_t FindName(const AAX_CString& name);
    bool FindDouble(const char* name, double* value);
    bool FindInt32(const char* name, int32_t* value);
    bool FindString(const char* name, AAX_CString* value);

    int32_t GetChunkDataSize() const;
    AAX_Result GetChunkData(AAX_SPlugInChunk* chunk) const;
    // Reads the record's size data bytes; the record must hold that many.
    void LoadChunk(const AAX_SPlugInChunk* chunk);

    int32_t mChunkVersion = -1;
    const std::vector<DataValue>& Entries() const { return m_entries; }

private:
    const DataValue* find_typed(const char* name, int32_t type);
    void add(const char* name, int32_t type, const DataValue& value);

    int32_t m_lastFound = -1;
    std::vector<DataValue> m_entries;
};
