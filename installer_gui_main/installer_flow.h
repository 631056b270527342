// The installer's run from splash to the last screen, on the main thread,
// while the engine's GUI thread draws and answers input.
#pragma once

#include <memory>

#include "installer_folder_choice.h"
#include "installer_screens.h"
#include "priv_commands.h"
#include "secret_text.h"
#include "temp_files.h"

class AFX_engine;
class AFX_font_engine;

struct installer_run {
    AFX_engine* engine = nullptr;
    AFX_font_engine* font = nullptr;
    CPrivCommands* priv = nullptr;
    int auth_method = 255;
    int tick_ms = 1;
    float ui_scale = 1.0f;
    CLockFile lock;
    CPayloadFile payload;
    CSecretText password_copy;
    std::unique_ptr<CInstallerScreens> screens;
    std::unique_ptr<CFolderChoice> folder;
};

// Whether the run got as far as the screen: a run that never reached the X
// server showed and installed nothing, and its caller says so in the exit status.
enum class run_outcome { ran, no_display };

// Returns when the run is over for any reason; whatever it unpacked is gone
// by then. The lock (when this run made it) is left for the caller to release.
run_outcome run_installer(installer_run& run);
