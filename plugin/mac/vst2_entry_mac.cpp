// The macOS VST2 bundle's entry. Hosts look up `VSTPluginMain`; the version
// script exports nothing else.
#include "CPlugFactory.h"

extern "C" __attribute__((visibility("default"))) AEffect* VSTPluginMain(audioMasterCallback host)
{
    return create_plug_effect(host, make_plug_editor);
}
