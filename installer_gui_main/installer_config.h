// What this installer build installs and how its screens look: one record
// per product, fixed at build time.
#pragma once

struct installer_rgb {
    int r, g, b;
};

struct installer_config {
    const char* product_name;
    const char* version;
    const char* default_target_folder;  // used when no folder was chosen
    const char* short_name;
    const char* icon_folder;
    const char* icon_file_name;
    const char* executable_name;
    const char* comment;
    const char* categories;
    bool desktop_entry;  // the desktop-entry steps: not part of this build
    bool create_folder;
    const char* folder_to_create;

    int main_width, main_height;
    int splash_width, splash_height;
    int splash_seconds;
    int bottom_margin;  // between the widget row and the bottom edge

    int entry_width, entry_height;
    installer_rgb entry_background, entry_text, entry_text_focus;
    int bar_width, bar_height;
    installer_rgb bar_background, bar_caption, bar_colour;
    int ok_width, ok_height;
    installer_rgb ok_background, ok_frame, ok_text, ok_highlight, ok_text_highlight;
    const char* ok_caption;
};

inline constexpr installer_config kInstallerConfig{
    "VLT650-VST",
    "V2.3.1",
    "/usr/lib/lv2",
    "vlt650",
    "/usr/share/icons",
    "vlt650_icon_48px.png",
    "vlt650-i686",
    "Channel Dynamics",
    "AudioVideo;AudioEditing;Audio;Recorder;",
    false,
    false,
    "",
    600,
    400,
    600,
    400,
    6,
    24,
    150,
    16,
    {0, 0, 0},
    {127, 127, 127},
    {255, 255, 255},
    550,
    16,
    {0, 0, 0},
    {255, 255, 255},
    {255, 47, 255},
    64,
    20,
    {14, 14, 14},
    {127, 127, 127},
    {255, 255, 255},
    {255, 47, 255},
    {255, 255, 255},
    "OK",
};

// The widget row: entry, bar and button centred, their bottom edges at the
// margin.
inline constexpr int kEntryX = (kInstallerConfig.main_width - kInstallerConfig.entry_width) / 2;
inline constexpr int kRowY =
    kInstallerConfig.main_height - kInstallerConfig.bottom_margin - kInstallerConfig.entry_height;
inline constexpr int kBarX = (kInstallerConfig.main_width - kInstallerConfig.bar_width) / 2;
inline constexpr int kOkX = (kInstallerConfig.main_width - kInstallerConfig.ok_width) / 2;
inline constexpr int kOkY =
    kInstallerConfig.main_height - kInstallerConfig.bottom_margin - kInstallerConfig.ok_height;
static_assert(kEntryX == 225 && kRowY == 360 && kBarX == 25 && kOkX == 268 && kOkY == 356);
