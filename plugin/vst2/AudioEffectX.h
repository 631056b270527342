#pragma once
// The 2.x additions: further virtuals a plug-in answers and the host calls
// an editor makes. Only what this system uses is here; every virtual is a
// constant answer until a subclass overrides it.
#include "AudioEffect.h"

class AudioEffectX : public AudioEffect {
public:
    using AudioEffect::AudioEffect;

    void resume() override;

    virtual int32_t processEvents(VstEvents*) { return 0; }
    virtual bool canParameterBeAutomated(int32_t) { return true; }
    virtual bool getProgramNameIndexed(int32_t, int32_t, char*) { return false; }
    virtual bool setBypass(bool) { return false; }
    virtual int32_t startProcess() { return 0; }
    virtual int32_t stopProcess() { return 0; }

    virtual bool getEffectName(char*) { return false; }
    virtual bool getVendorString(char*) { return false; }
    virtual bool getProductString(char*) { return false; }
    virtual int32_t getVendorVersion() { return 0; }
    virtual int32_t getVstVersion() { return kVstVersion; }
    virtual int32_t getPlugCategory() { return isSynth() ? 2 : 0; }
    virtual intptr_t vendorSpecific(int32_t, intptr_t, void*, float) { return 0; }
    virtual int32_t canDo(char*) { return 0; }

    bool isSynth() const { return (cEffect.flags & effFlagsIsSynth) != 0; }

    // Calls to the host; each is false when the host answers 0 or is absent.
    bool sizeWindow(int32_t width, int32_t height);
    bool updateDisplay();
    bool beginEdit(int32_t index);
    bool endEdit(int32_t index);
};
