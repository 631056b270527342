#pragma once
// Basic types, result codes and the identifier byte order of the VST3
// binary interface. Hosts exchange these values directly, so every width and
// every number here is fixed by the interface.
#include <cstdint>

#if defined(_WIN32)
#define VST3_COM_ORDER 1
#define PLUGIN_API __stdcall
#else
#define VST3_COM_ORDER 0
#define PLUGIN_API
#endif

namespace Steinberg {

using int8 = char;
using uint8 = unsigned char;
using int16 = int16_t;
using uint16 = uint16_t;
using int32 = int32_t;
using uint32 = uint32_t;
using int64 = int64_t;
using uint64 = uint64_t;
using TSize = int64;
using tresult = int32;
using TBool = uint8;
using char8 = char;
using char16 = char16_t;
using TChar = char16;
using FIDString = const char8*;
using TUID = int8[16];

// Result codes differ between the COM-compatible (Windows) and the plain
// (Linux, macOS) flavour of the interface.
struct ResultCodes {
#if VST3_COM_ORDER
    static constexpr tresult kNoInterface = static_cast<tresult>(0x80004002L);
    static constexpr tresult kResultOk = 0;
    static constexpr tresult kResultFalse = 1;
    static constexpr tresult kInvalidArgument = static_cast<tresult>(0x80070057L);
    static constexpr tresult kNotImplemented = static_cast<tresult>(0x80004001L);
    static constexpr tresult kInternalError = static_cast<tresult>(0x80004005L);
    static constexpr tresult kNotInitialized = static_cast<tresult>(0x8000FFFFL);
    static constexpr tresult kOutOfMemory = static_cast<tresult>(0x8007000EL);
#else
    static constexpr tresult kNoInterface = -1;
    static constexpr tresult kResultOk = 0;
    static constexpr tresult kResultFalse = 1;
    static constexpr tresult kInvalidArgument = 2;
    static constexpr tresult kNotImplemented = 3;
    static constexpr tresult kInternalError = 4;
    static constexpr tresult kNotInitialized = 5;
    static constexpr tresult kOutOfMemory = 6;
#endif
};
inline constexpr tresult kNoInterface = ResultCodes::kNoInterface;
inline constexpr tresult kResultOk = ResultCodes::kResultOk;
inline constexpr tresult kResultTrue = ResultCodes::kResultOk;
inline constexpr tresult kResultFalse = ResultCodes::kResultFalse;
inline constexpr tresult kInvalidArgument = ResultCodes::kInvalidArgument;
inline constexpr tresult kNotImplemented = ResultCodes::kNotImplemented;
inline constexpr tresult kInternalError = ResultCodes::kInternalError;
inline constexpr tresult kNotInitialized = ResultCodes::kNotInitialized;
inline constexpr tresult kOutOfMemory = ResultCodes::kOutOfMemory;

// The four 32-bit words an identifier is written as.
struct UidWords {
    uint32 l1, l2, l3, l4;
};

// Sixteen identifier bytes, usable wherever the interface takes a TUID.
struct UidBytes {
    int8 data[16];
    constexpr operator const int8*() const { return data; }
};

constexpr int8 uid_byte(uint32 word, int shift) { return static_cast<int8>((word >> shift) & 0xFF); }

// Windows lays the first eight bytes out as a GUID (32-bit and two 16-bit
// fields little-endian); everywhere else all four words are big-endian.
constexpr UidBytes inline_uid(UidWords w)
{
#if VST3_COM_ORDER
    return {{uid_byte(w.l1, 0), uid_byte(w.l1, 8), uid_byte(w.l1, 16), uid_byte(w.l1, 24), uid_byte(w.l2, 16),
             uid_byte(w.l2, 24), uid_byte(w.l2, 0), uid_byte(w.l2, 8), uid_byte(w.l3, 24), uid_byte(w.l3, 16),
             uid_byte(w.l3, 8), uid_byte(w.l3, 0), uid_byte(w.l4, 24), uid_byte(w.l4, 16), uid_byte(w.l4, 8),
             uid_byte(w.l4, 0)}};
#else
    return {{uid_byte(w.l1, 24), uid_byte(w.l1, 16), uid_byte(w.l1, 8), uid_byte(w.l1, 0), uid_byte(w.l2, 24),
             uid_byte(w.l2, 16), uid_byte(w.l2, 8), uid_byte(w.l2, 0), uid_byte(w.l3, 24), uid_byte(w.l3, 16),
             uid_byte(w.l3, 8), uid_byte(w.l3, 0), uid_byte(w.l4, 24), uid_byte(w.l4, 16), uid_byte(w.l4, 8),
             uid_byte(w.l4, 0)}};
#endif
}

// Reads the words back from sixteen bytes in the platform's order.
UidWords uid_words(const int8* bytes);

bool uid_equal(const int8* a, const int8* b);

namespace Vst {
using ParamID = uint32;
using ParamValue = double;
using SampleRate = double;
using Sample32 = float;
using Sample64 = double;
using SpeakerArrangement = uint64;
using Speaker = uint64;
using MediaType = int32;
using BusDirection = int32;
using BusType = int32;
using IoMode = int32;
using UnitID = int32;
using ProgramListID = int32;
using CtrlNumber = int16;
using TQuarterNotes = double;
using TSamples = int64;
using String128 = TChar[128];
using CString = const char8*;
using AttrID = const char8*;
using MessageID = const char8*;

inline constexpr int32 kDefaultFactoryFlags = 0;
}  // namespace Vst

}  // namespace Steinberg
