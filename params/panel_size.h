#pragma once
// The front panel's size and the window it opens in, for the editor and for
// the formats that answer a host's size query before any editor exists.

namespace vlt::editor {

constexpr int kPanelWidth = 144;
constexpr int kPanelHeight = 510;
// The window is never narrower than this many panel widths: the panel sits
// centred in it until the UI size outgrows it.
constexpr float kMinWidthFactor = 3.25f;
// The window at the smallest UI size and a display scale of 1.
constexpr int kDefaultWindowWidth = static_cast<int>(kPanelWidth * kMinWidthFactor + 0.5f);
constexpr int kDefaultWindowHeight = kPanelHeight;

}  // namespace vlt::editor
