// What differs between the two builds of this engine: the plug-in library's
// and the installer program's. One set of sources; AFX_INSTALLER_BUILD picks
// the row at compile time.
#pragma once

#ifndef AFX_INSTALLER_BUILD
#define AFX_INSTALLER_BUILD 0
#endif

struct afx_build_policy {
    // Take the locale from the environment when the engine is made. A plug-in
    // must leave its host's process locale alone; the installer owns its
    // process.
    bool set_locale;
    // An X input method with the display and an input context per window, so
    // typed text arrives in the locale's multibyte encoding.
    bool input_method;
    // Pointer motion that another client sent (send_event set) is dropped.
    bool ignore_sent_motion;
};

inline constexpr afx_build_policy afx_plugin_build{false, false, false};
inline constexpr afx_build_policy afx_installer_build{true, true, true};

inline constexpr afx_build_policy afx_build = AFX_INSTALLER_BUILD ? afx_installer_build : afx_plugin_build;
