/* Our AudioToolbox parameter listener services for the GNUstep builds of
   the macOS code: the records and calls the Audio Unit view makes. The
   service lives with whoever hosts the view (on a Mac, the framework; here,
   the test host). */
#pragma once

#include <AudioUnit/AudioUnit.h>
#include <CoreFoundation/CFRunLoop.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct AudioUnitParameter {
    AudioUnit mAudioUnit;
    AudioUnitParameterID mParameterID;
    AudioUnitScope mScope;
    AudioUnitElement mElement;
} AudioUnitParameter;

typedef struct AudioUnitProperty {
    AudioUnit mAudioUnit;
    AudioUnitPropertyID mPropertyID;
    AudioUnitScope mScope;
    AudioUnitElement mElement;
} AudioUnitProperty;

typedef UInt32 AudioUnitEventType;
enum {
    kAudioUnitEvent_ParameterValueChange = 0,
    kAudioUnitEvent_BeginParameterChangeGesture = 1,
    kAudioUnitEvent_EndParameterChangeGesture = 2,
    kAudioUnitEvent_PropertyChange = 3
};

typedef struct AudioUnitEvent {
    AudioUnitEventType mEventType;
    union {
        AudioUnitParameter mParameter;
        AudioUnitProperty mProperty;
    } mArgument;
} AudioUnitEvent;

typedef struct AUListenerBase* AUParameterListenerRef;
typedef AUParameterListenerRef AUEventListenerRef;

typedef void (*AUParameterListenerProc)(void* inRefCon, void* inObject, const AudioUnitParameter* inParameter,
                                        AudioUnitParameterValue inValue);

OSStatus AUListenerCreate(AUParameterListenerProc inProc, void* inUserData, CFRunLoopRef inRunLoop,
                          CFStringRef inRunLoopMode, Float32 inNotificationInterval,
                          AUParameterListenerRef* outListener);
OSStatus AUListenerDispose(AUParameterListenerRef inListener);
OSStatus AUListenerAddParameter(AUParameterListenerRef inListener, void* inObject,
                                const AudioUnitParameter* inParameter);
OSStatus AUListenerRemoveParameter(AUParameterListenerRef inListener, void* inObject,
                                   const AudioUnitParameter* inParameter);
OSStatus AUParameterSet(AUParameterListenerRef inSendingListener, void* inSendingObject,
                        const AudioUnitParameter* inParameter, AudioUnitParameterValue inValue,
                        UInt32 inBufferOffsetInFrames);
OSStatus AUParameterListenerNotify(AUParameterListenerRef inSendingListener, void* inSendingObject,
                                   const AudioUnitParameter* inParameter);
OSStatus AUEventListenerNotify(AUEventListenerRef inSendingListener, void* inSendingObject,
                               const AudioUnitEvent* inEvent);

#ifdef __cplusplus
}
#endif
