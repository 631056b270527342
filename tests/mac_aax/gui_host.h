#pragma once
// The plug-in's GUI object as the fake host drives it on GNUstep.
#include "fake_host.h"

namespace fake {

class NSViewContainer;

// Made through the effect's procedure pointer 1 and initialised with the
// host; null when either step fails.
AAX_IACFEffectGUI* make_gui(EffectDescriptor& effect, Host& host);

// SetViewContainer (null: no container) as one turn of the host's event
// loop, with its own pool, so what the plug-in lets go of is gone on return.
AAX_Result set_container(AAX_IACFEffectGUI* gui, NSViewContainer* container);

}  // namespace fake
