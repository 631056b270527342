#pragma once
// The sizes a host may give the macOS editor view: from the panel's natural
// size up to twice it in each direction.
#include <algorithm>

#include "iplugview.h"
#include "plug_ids.h"

namespace Steinberg::Vst::vlt650 {

inline constexpr int32 kEditorMaxWidth = 2 * kEditorWidth;
inline constexpr int32 kEditorMaxHeight = 2 * kEditorHeight;

// Clamps a host's proposal in place, keeping its top-left corner.
inline void constrain_view_rect(ViewRect& rect)
{
    const int32 w = std::clamp(rect.getWidth(), kEditorWidth, kEditorMaxWidth);
    const int32 h = std::clamp(rect.getHeight(), kEditorHeight, kEditorMaxHeight);
    rect.right = rect.left + w;
    rect.bottom = rect.top + h;
}

// A size set by the host is never smaller than the panel.
inline ViewRect raised_view_size(const ViewRect& rect)
{
    return {0, 0, std::max(kEditorWidth, rect.getWidth()), std::max(kEditorHeight, rect.getHeight())};
}

}  // namespace Steinberg::Vst::vlt650
