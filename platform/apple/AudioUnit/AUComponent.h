/* Our AudioUnit component interface for the GNUstep builds of the macOS
   code: the types and the one call the Audio Unit view makes on the unit
   itself. The unit is outside this system; whoever hosts the view provides
   AudioUnitGetParameter. */
#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef int32_t OSStatus;
typedef float Float32;
typedef uint32_t UInt32;

typedef struct ComponentInstanceRecord* AudioComponentInstance;
typedef AudioComponentInstance AudioUnit;

typedef UInt32 AudioUnitPropertyID;
typedef UInt32 AudioUnitScope;
typedef UInt32 AudioUnitElement;
typedef UInt32 AudioUnitParameterID;
typedef Float32 AudioUnitParameterValue;

enum { noErr = 0 };
enum { kAudioUnitScope_Global = 0 };

OSStatus AudioUnitGetParameter(AudioUnit inUnit, AudioUnitParameterID inID, AudioUnitScope inScope,
                               AudioUnitElement inElement, AudioUnitParameterValue* outValue);

#ifdef __cplusplus
}
#endif
