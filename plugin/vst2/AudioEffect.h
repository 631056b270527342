#pragma once
// The plug-in side of the VST 2.4 interface: embeds the AEffect record the
// host sees and turns the host's calls into virtual method calls.
#include "AEffEditor.h"
#include "vst2_interface.h"

class AudioEffect {
public:
    AudioEffect(audioMasterCallback audioMaster, int32_t numPrograms, int32_t numParams);
    virtual ~AudioEffect();
    AudioEffect(const AudioEffect&) = delete;
    AudioEffect& operator=(const AudioEffect&) = delete;

    virtual intptr_t dispatcher(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt);

    virtual void open() {}
    virtual void close() {}
    virtual void suspend() {}
    virtual void resume() {}

    virtual void setSampleRate(float fs) { sampleRate = fs; }
    virtual void setBlockSize(int32_t size) { blockSize = size; }

    virtual void processReplacing(float** inputs, float** outputs, int32_t frames) = 0;
    virtual void processDoubleReplacing(double**, double**, int32_t) {}
    // The old accumulating call: this system leaves the outputs untouched.
    virtual void __processDeprecated(float**, float**, int32_t) {}

    virtual void setParameter(int32_t, float) {}
    virtual float getParameter(int32_t) { return 0.0f; }
    virtual void setParameterAutomated(int32_t index, float value);

    virtual void setProgram(int32_t program) { curProgram = program; }
    virtual int32_t getProgram() { return curProgram; }
    virtual void setProgramName(char*) {}
    virtual void getProgramName(char* name) { name[0] = '\0'; }
    virtual void getParameterLabel(int32_t, char* label) { label[0] = '\0'; }
    virtual void getParameterDisplay(int32_t, char* text) { text[0] = '\0'; }
    virtual void getParameterName(int32_t, char* text) { text[0] = '\0'; }

    virtual intptr_t getChunk(void**, bool) { return 0; }
    virtual intptr_t setChunk(void*, intptr_t, bool) { return 0; }

    AEffEditor* getEditor() const { return editor; }
    void setEditor(AEffEditor* e);
    AEffect* getAeffect() { return &cEffect; }
    float getSampleRate() const { return sampleRate; }
    int32_t getBlockSize() const { return blockSize; }

    void setUniqueID(int32_t id) { cEffect.uniqueID = id; }
    void setNumInputs(int32_t n) { cEffect.numInputs = n; }
    void setNumOutputs(int32_t n) { cEffect.numOutputs = n; }
    void setInitialDelay(int32_t frames) { cEffect.initialDelay = frames; }
    void canProcessReplacing(bool on = true) { setFlag(effFlagsCanReplacing, on); }
    void canDoubleReplacing(bool on = true) { setFlag(effFlagsCanDoubleReplacing, on); }
    void programsAreChunks(bool on = true) { setFlag(effFlagsProgramChunks, on); }
    void hasEditor(bool on = true) { setFlag(effFlagsHasEditor, on); }

    // Entries placed in the AEffect record; each finds the object through
    // its object field and lets no exception reach the host.
    static intptr_t VST_CALL dispatchEffectClass(AEffect* e, int32_t opcode, int32_t index, intptr_t value,
                                                 void* ptr, float opt);
    static float VST_CALL getParameterClass(AEffect* e, int32_t index);
    static void VST_CALL setParameterClass(AEffect* e, int32_t index, float value);
    static void VST_CALL __processClassDeprecated(AEffect* e, float** in, float** out, int32_t n);
    static void VST_CALL processClassReplacing(AEffect* e, float** in, float** out, int32_t n);
    static void VST_CALL processClassDoubleReplacing(AEffect* e, double** in, double** out, int32_t n);

protected:
    // Calls the host; answers 0 when there is none.
    intptr_t callHost(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr,
                      float opt = 0.0f);
    void setFlag(int32_t flag, bool on);

    audioMasterCallback audioMaster;
    AEffEditor* editor = nullptr;  // owned
    float sampleRate = 44100.0f;
    int32_t blockSize = 1024;
    int32_t numPrograms;
    int32_t numParams;
    int32_t curProgram = 0;
    AEffect cEffect;
};
