#pragma once
// A stand-in for the Audio Unit component and the platform's listener
// services, linked into the test host: the ten parameters with their plain
// ranges, notifications delivered on the run loop after the listener's
// interval (coalesced, never to the sending listener), a log of gesture
// events and parameter sets, and switches that make calls fail.
#include <AudioToolbox/AudioToolbox.h>

#include <utility>
#include <vector>

struct ComponentInstanceRecord {
    ComponentInstanceRecord();
    ~ComponentInstanceRecord();

    // The unit's own change (the meter from processing, automation): every
    // listener hears it after its interval.
    void change(int number, float value);
    float value(int number) const { return values[number]; }

    float values[10];
    bool refuse_ui_size_read = false;  // AudioUnitGetParameter of id 9 fails
    bool refuse_removal = false;       // AUListenerRemoveParameter fails
    std::vector<std::pair<int, AudioUnitEventType>> gestures;
    std::vector<std::pair<int, float>> sets;  // AUParameterSet, in order
};
using FakeAudioUnit = ComponentInstanceRecord;

// Listeners alive now, across all units.
int fake_au_listener_count();
// Parameters registered with any listener now.
int fake_au_registration_count();

// A second listener, as a host's automation would hold: what it heard.
class RecordingListener {
public:
    explicit RecordingListener(FakeAudioUnit& unit);
    ~RecordingListener();
    std::vector<std::pair<int, float>> heard;

private:
    static void proc(void* self, void* object, const AudioUnitParameter* p, AudioUnitParameterValue v);
    AUParameterListenerRef listener_ = nullptr;
    AudioUnitParameter parameters_[10];
};
