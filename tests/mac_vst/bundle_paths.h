#pragma once
// Where the GNUstep tree puts the bundles under test.
#include <string>

inline const std::string kVst2Bundle = std::string(VLT_DIST_MACOS) + "/VLT650-VST.vst";
inline const std::string kVst3Bundle = std::string(VLT_DIST_MACOS) + "/VLT650-VST3.vst3";
