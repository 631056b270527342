#include "AudioEffectX.h"

void AudioEffectX::resume()
{
    // Only an effect that takes MIDI asks the host for events.
    static char receive_midi[] = "receiveVstMidiEvent";
    if (isSynth() || canDo(receive_midi) == 1)
        callHost(audioMasterWantMidi, 0, 1);
}

bool AudioEffectX::sizeWindow(int32_t width, int32_t height)
{
    return callHost(audioMasterSizeWindow, width, height) != 0;
}

bool AudioEffectX::updateDisplay() { return callHost(audioMasterUpdateDisplay) != 0; }

bool AudioEffectX::beginEdit(int32_t index) { return callHost(audioMasterBeginEdit, index) != 0; }

bool AudioEffectX::endEdit(int32_t index) { return callHost(audioMasterEndEdit, index) != 0; }
