#pragma once
// The VST 2.4 host interface as the plug-in sees it: the AEffect record a
// host holds, the editor rectangle, the opcode numbers in both directions,
// the flags and the function types. Written with fixed-width types so the
// record matches what hosts expect on x86-64 Linux and on Windows x64,
// where `long` would be 32 bits.
#include <cstddef>
#include <cstdint>

// 32-bit Windows has several calling conventions, so the host's is spelled
// out there; every other target has one.
#if defined(VLT_BUILD_WINDOWS) && UINTPTR_MAX == 0xFFFFFFFFu
#define VST_CALL __cdecl
#else
#define VST_CALL
#endif

namespace vst2 {

// Four-character codes are packed big-end first: 'VstP' -> 0x56737450.
constexpr int32_t fourcc(const char (&c)[5])
{
    return static_cast<int32_t>((static_cast<uint32_t>(static_cast<uint8_t>(c[0])) << 24) |
                                (static_cast<uint32_t>(static_cast<uint8_t>(c[1])) << 16) |
                                (static_cast<uint32_t>(static_cast<uint8_t>(c[2])) << 8) |
                                static_cast<uint32_t>(static_cast<uint8_t>(c[3])));
}

constexpr int32_t kEffectMagic = fourcc("VstP");

}  // namespace vst2

struct AEffect;
struct VstEvents;  // the host's MIDI event list; stored, never read

using audioMasterCallback = intptr_t(VST_CALL*)(AEffect* effect, int32_t opcode, int32_t index,
                                                intptr_t value, void* ptr, float opt);
using AEffectDispatcherProc = intptr_t(VST_CALL*)(AEffect* effect, int32_t opcode, int32_t index,
                                                  intptr_t value, void* ptr, float opt);
using AEffectProcessProc = void(VST_CALL*)(AEffect* effect, float** inputs, float** outputs, int32_t frames);
using AEffectProcessDoubleProc = void(VST_CALL*)(AEffect* effect, double** inputs, double** outputs,
                                                 int32_t frames);
using AEffectSetParameterProc = void(VST_CALL*)(AEffect* effect, int32_t index, float value);
using AEffectGetParameterProc = float(VST_CALL*)(AEffect* effect, int32_t index);

struct AEffect {
    int32_t magic;
    AEffectDispatcherProc dispatcher;
    AEffectProcessProc process;  // old accumulating entry
    AEffectSetParameterProc setParameter;
    AEffectGetParameterProc getParameter;
    int32_t numPrograms;
    int32_t numParams;
    int32_t numInputs;
    int32_t numOutputs;
    int32_t flags;
    intptr_t resvd1;
    intptr_t resvd2;
    int32_t initialDelay;
    int32_t realQualities;
    int32_t offQualities;
    float ioRatio;
    void* object;  // the plug-in object behind this record
    void* user;    // free for the host
    int32_t uniqueID;
    int32_t version;
    AEffectProcessProc processReplacing;
    AEffectProcessDoubleProc processDoubleReplacing;
    char future[56];
};

struct ERect {
    int16_t top;
    int16_t left;
    int16_t bottom;
    int16_t right;
};

struct VstKeyCode {
    int32_t character;
    uint8_t virt;
    uint8_t modifier;
};

#if INTPTR_MAX == INT64_MAX
static_assert(sizeof(AEffect) == 192, "AEffect must match the host's record");
static_assert(offsetof(AEffect, flags) == 56);
static_assert(offsetof(AEffect, initialDelay) == 80);
static_assert(offsetof(AEffect, ioRatio) == 92);
static_assert(offsetof(AEffect, object) == 96, "object must sit at 96");
static_assert(offsetof(AEffect, uniqueID) == 112, "uniqueID must sit at 112");
static_assert(offsetof(AEffect, processReplacing) == 120, "processReplacing must sit at 120");
static_assert(offsetof(AEffect, processDoubleReplacing) == 128);
#endif
static_assert(sizeof(ERect) == 8);

enum VstAEffectFlags : int32_t {
    effFlagsHasEditor = 1 << 0,
    effFlagsCanReplacing = 1 << 4,
    effFlagsProgramChunks = 1 << 5,
    effFlagsIsSynth = 1 << 8,
    effFlagsNoSoundInStop = 1 << 9,
    effFlagsCanDoubleReplacing = 1 << 12,
};

// Host -> plug-in.
enum AEffectOpcodes : int32_t {
    effOpen = 0,
    effClose = 1,
    effSetProgram = 2,
    effGetProgram = 3,
    effSetProgramName = 4,
    effGetProgramName = 5,
    effGetParamLabel = 6,
    effGetParamDisplay = 7,
    effGetParamName = 8,
    effGetVu = 9,
    effSetSampleRate = 10,
    effSetBlockSize = 11,
    effMainsChanged = 12,
    effEditGetRect = 13,
    effEditOpen = 14,
    effEditClose = 15,
    effEditDraw = 16,
    effEditMouse = 17,
    effEditKey = 18,
    effEditIdle = 19,
    effEditTop = 20,
    effEditSleep = 21,
    effIdentify = 22,
    effGetChunk = 23,
    effSetChunk = 24,
    effProcessEvents = 25,
    effCanBeAutomated = 26,
    effString2Parameter = 27,
    effGetNumProgramCategories = 28,
    effGetProgramNameIndexed = 29,
    effGetPlugCategory = 35,
    effSetBypass = 44,
    effGetEffectName = 45,
    effGetVendorString = 47,
    effGetProductString = 48,
    effGetVendorVersion = 49,
    effVendorSpecific = 50,
    effCanDo = 51,
    effGetTailSize = 52,
    effGetVstVersion = 58,
    effStartProcess = 71,
    effStopProcess = 72,
};

// Plug-in -> host.
enum AudioMasterOpcodes : int32_t {
    audioMasterAutomate = 0,
    audioMasterVersion = 1,
    audioMasterCurrentId = 2,
    audioMasterIdle = 3,
    audioMasterWantMidi = 6,
    audioMasterGetTime = 7,
    audioMasterProcessEvents = 8,
    audioMasterIOChanged = 13,
    audioMasterSizeWindow = 15,
    audioMasterGetSampleRate = 16,
    audioMasterGetBlockSize = 17,
    audioMasterGetCurrentProcessLevel = 23,
    audioMasterGetAutomationState = 24,
    audioMasterGetVendorString = 32,
    audioMasterGetProductString = 33,
    audioMasterGetVendorVersion = 34,
    audioMasterCanDo = 37,
    audioMasterUpdateDisplay = 42,
    audioMasterBeginEdit = 43,
    audioMasterEndEdit = 44,
};

// Text sizes hosts provide, including the terminator.
constexpr int kVstMaxProgNameLen = 24;
constexpr int kVstMaxEffectNameLen = 32;
constexpr int kVstMaxVendorStrLen = 64;
constexpr int kVstMaxProductStrLen = 64;
constexpr int32_t kVstVersion = 2400;
