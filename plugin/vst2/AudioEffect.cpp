#include "AudioEffect.h"

#include <cstring>

namespace {

AudioEffect* object_of(AEffect* e) { return e ? static_cast<AudioEffect*>(e->object) : nullptr; }

// Runs a call on the object behind e; no exception gets back to the host,
// which answers fallback instead.
template <typename R, typename Call>
R guarded(AEffect* e, R fallback, Call&& call) noexcept
{
    AudioEffect* self = object_of(e);
    if (!self)
        return fallback;
    try {
        return call(*self);
    } catch (...) {
        return fallback;
    }
}

template <typename Call>
void guarded(AEffect* e, Call&& call) noexcept
{
    guarded(e, 0, [&](AudioEffect& self) {
        call(self);
        return 0;
    });
}

}  // namespace

AudioEffect::AudioEffect(audioMasterCallback audioMaster, int32_t numPrograms, int32_t numParams)
    : audioMaster(audioMaster), numPrograms(numPrograms), numParams(numParams)
{
    std::memset(&cEffect, 0, sizeof(cEffect));
    cEffect.magic = vst2::kEffectMagic;
    cEffect.dispatcher = dispatchEffectClass;
    cEffect.process = __processClassDeprecated;
    cEffect.setParameter = setParameterClass;
    cEffect.getParameter = getParameterClass;
    cEffect.numPrograms = numPrograms;
    cEffect.numParams = numParams;
    cEffect.numInputs = 1;
    cEffect.numOutputs = 2;
    cEffect.flags = effFlagsCanReplacing;
    cEffect.ioRatio = 1.0f;
    cEffect.object = this;
    cEffect.uniqueID = vst2::fourcc("NoEf");
    cEffect.version = 1;
    cEffect.processReplacing = processClassReplacing;
    cEffect.processDoubleReplacing = processClassDoubleReplacing;
}

AudioEffect::~AudioEffect() { delete editor; }

void AudioEffect::setEditor(AEffEditor* e)
{
    editor = e;
    hasEditor(e != nullptr);
}

void AudioEffect::setFlag(int32_t flag, bool on)
{
    cEffect.flags = on ? (cEffect.flags | flag) : (cEffect.flags & ~flag);
}

intptr_t AudioEffect::callHost(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
    return audioMaster ? audioMaster(&cEffect, opcode, index, value, ptr, opt) : 0;
}

void AudioEffect::setParameterAutomated(int32_t index, float value)
{
    setParameter(index, value);
    callHost(audioMasterAutomate, index, 0, nullptr, value);
}

intptr_t AudioEffect::dispatcher(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
    // Only the 1.0 opcodes live here; everything later is the subclass's.
    if (static_cast<uint32_t>(opcode) > effSetChunk)
        return 0;
    char* text = static_cast<char*>(ptr);
    switch (opcode) {
    case effOpen: open(); return 0;
    case effClose: close(); return 0;
    case effSetProgram:
        if (value >= 0 && value < numPrograms)
            setProgram(static_cast<int32_t>(value));
        return 0;
    case effGetProgram: return getProgram();
    case effSetProgramName:
        if (text)
            setProgramName(text);
        return 0;
    case effGetProgramName:
        if (text)
            getProgramName(text);
        return 0;
    case effGetParamLabel:
        if (text)
            getParameterLabel(index, text);
        return 0;
    case effGetParamDisplay:
        if (text)
            getParameterDisplay(index, text);
        return 0;
    case effGetParamName:
        if (text)
            getParameterName(index, text);
        return 0;
    case effSetSampleRate: setSampleRate(opt); return 0;
    case effSetBlockSize: setBlockSize(static_cast<int32_t>(value)); return 0;
    case effMainsChanged:
        if (value == 0)
            suspend();
        else
            resume();
        return 0;
    case effEditGetRect: return editor && ptr && editor->getRect(static_cast<ERect**>(ptr)) ? 1 : 0;
    case effEditOpen: return editor && editor->open(ptr) ? 1 : 0;
    case effEditClose:
        if (editor)
            editor->close();
        return 0;
    case effEditIdle:
        if (editor)
            editor->idle();
        return 0;
    case effIdentify: return vst2::fourcc("NvEf");
    case effGetChunk: return ptr ? getChunk(static_cast<void**>(ptr), index != 0) : 0;
    case effSetChunk: return setChunk(ptr, value, index != 0);
    default: return 0;
    }
}

intptr_t VST_CALL AudioEffect::dispatchEffectClass(AEffect* e, int32_t opcode, int32_t index, intptr_t value,
                                                   void* ptr, float opt)
{
    return guarded(e, intptr_t{0}, [&](AudioEffect& self) -> intptr_t {
        const intptr_t answer = self.dispatcher(opcode, index, value, ptr, opt);
        if (opcode != effClose)
            return answer;
        // The host is done with the plug-in: the object goes with it.
        delete &self;
        return 1;
    });
}

float VST_CALL AudioEffect::getParameterClass(AEffect* e, int32_t index)
{
    return guarded(e, 0.0f, [&](AudioEffect& self) { return self.getParameter(index); });
}

void VST_CALL AudioEffect::setParameterClass(AEffect* e, int32_t index, float value)
{
    guarded(e, [&](AudioEffect& self) { self.setParameter(index, value); });
}

void VST_CALL AudioEffect::__processClassDeprecated(AEffect* e, float** in, float** out, int32_t n)
{
    guarded(e, [&](AudioEffect& self) { self.__processDeprecated(in, out, n); });
}

void VST_CALL AudioEffect::processClassReplacing(AEffect* e, float** in, float** out, int32_t n)
{
    guarded(e, [&](AudioEffect& self) { self.processReplacing(in, out, n); });
}

void VST_CALL AudioEffect::processClassDoubleReplacing(AEffect* e, double** in, double** out, int32_t n)
{
    guarded(e, [&](AudioEffect& self) { self.processDoubleReplacing(in, out, n); });
}
