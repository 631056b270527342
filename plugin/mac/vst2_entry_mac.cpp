// The macOS VST2 bundle's entry and its module initializer. Hosts look up
// `VSTPluginMain`; the version script exports nothing else.
#include "CPlugFactory.h"
#include "bundle_pin.h"

extern "C" __attribute__((visibility("default"))) AEffect* VSTPluginMain(audioMasterCallback host)
{
    return create_plug_effect(host, make_plug_editor);
}

namespace {

__attribute__((constructor)) void pin_vst2_bundle()
{
    mac_bundle::pin_own_bundle(VLT_BUNDLE_IDENTIFIER);
}

}  // namespace
