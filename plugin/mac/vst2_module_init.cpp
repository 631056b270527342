// The VST2 bundle's module initializer: runs as the bundle loads and pins
// it, so the view classes it registers outlive a host's unload.
#include "bundle_pin.h"

namespace {

__attribute__((constructor)) void pin_vst2_bundle() { mac_bundle::pin_own_bundle(VLT_BUNDLE_IDENTIFIER); }

}  // namespace
