#include "installer_flow.h"

#include <pwd.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "afx/x11/afx_engine_x11.h"
#include "installer_config.h"
#include "installer_log.h"
#include "installer_run_state.h"
#include "installer_waits.h"
#include "payload_data.h"
#include "widgets/progress_bar.h"

namespace {

constexpr const char* kLockPath = "/tmp/qelm-installer-lock";
constexpr const char* kTempBase = "/tmp";
constexpr const char* kPayloadName = "qelm-installer-data.tar.gz";
constexpr const char* kSelectorTitle = "Select your VST plugins folder";
constexpr size_t kUnpackChunk = 8192;
constexpr int kUnpackPauseMs = 20;

enum class lock_check { go, ours, other_user };

installer_flags& flags() { return run_flags(); }
bool aborted() { return flags().abort_requested.load() != 0; }
const char* title() { return installer_title(); }

// The lock's owner as the screen and the log name them.
std::string user_name_of(uid_t uid)
{
    std::string name;
    if (const passwd* pw = getpwuid(uid))
        for (const char* c = pw->pw_name; *c; ++c)
            if (*c > ' ' && *c < 0x7f)
                name += *c;
    return name.empty() ? "uid " + std::to_string(uid) : name;
}

// Whether this run may go on; the refusal is logged here and shown by the caller.
lock_check check_lock_file(installer_run& run)
{
    const CLockFile::state_t state = run.lock.acquire(kLockPath);
    if (state != CLockFile::held_by_other && state != CLockFile::held_by_other_user)
        return lock_check::go;
    log_printf("%s could not start\n\n", title());
    if (state == CLockFile::held_by_other_user) {
        const uid_t uid = run.lock.holder_uid();
        log_printf("The lock file %s belongs to another\n", kLockPath);
        log_printf("user (%s, uid %u): that user may be running the installer,\n", user_name_of(uid).c_str(),
                   static_cast<unsigned>(uid));
        log_printf("or the file was left or put there by them.\n\n");
        log_printf("Only that user or an administrator can remove the\n");
        log_printf("qelm-installer-lock file from /tmp\n");
        log_printf("\n");
        return lock_check::other_user;
    }
    log_printf("There appears to be another instance of the installer\n");
    log_printf("already running, or an orphan lock file has been\n");
    log_printf("left in /tmp\n\n");
    log_printf("If there are no other instances of the installer running\n");
    log_printf("remove the qelm-installer-lock file from /tmp and\n");
    log_printf("restart the installer\n");
    log_printf("\n");
    return lock_check::ours;
}

bool check_password(installer_run& run)
{
    switch (run.auth_method) {
    case auth_sudo: return run.priv->sudo_check_password(run.password_copy.c_str());
    case auth_su: return run.priv->su_check_password(run.password_copy.c_str());
    default: return false;
    }
}

void show_unpack_progress(double fraction, void* user)
{
    static_cast<installer_run*>(user)->screens->set_progress_value(static_cast<float>(fraction));
}

int unpack_installer_data(installer_run& run)
{
    log_printf("** INFO ** %s: Unpacking Files - %08X Bytes\n", title(),
               static_cast<unsigned>(qelm_payload_size));
    const unsigned pause_us = static_cast<unsigned>(flow_pause_length(kUnpackPauseMs)) * 1000u;
    if (run.payload.write(kTempBase, kPayloadName, qelm_payload_data, qelm_payload_size,
                          &flags().abort_requested, show_unpack_progress, &run, kUnpackChunk,
                          pause_us) != 0) {
        // A full /tmp, say: the screen only says that it failed.
        if (!aborted())
            log_printf("** ERROR ** %s: Unable to extract installer data into %s: %s\n", title(), kTempBase,
                       std::strerror(run.payload.error()));
        return 1;
    }
    run.screens->set_progress_value(1.0f);
    usleep(pause_us);
    return aborted() ? 1 : 0;
}

std::string target_folder(const installer_run& run)
{
    std::string folder = run.folder->chosen();
    return folder.empty() ? kInstallerConfig.default_target_folder : folder;
}

int install_files(installer_run& run)
{
    log_printf("** INFO ** %s: Copying Files\n", title());
    const std::string folder = target_folder(run);
    // Root accepts only these bytes: the digest is of what the installer
    // carries, not of the file in /tmp, which the user's programs can change.
    const install_payload payload =
        describe_payload(run.payload.path(), qelm_payload_data, qelm_payload_size);
    switch (run.auth_method) {
    case auth_sudo: return run.priv->sudo_install(folder.c_str(), payload, run.password_copy.c_str());
    case auth_su: return run.priv->su_install(folder.c_str(), payload, run.password_copy.c_str());
    default: return 1;
    }
}

void remove_installer_data(installer_run& run) { run.payload.remove(); }

// Shows the end of a failed or cancelled run; the temporary payload goes at once.
void final_message(installer_run& run, const char* first, const char* second)
{
    run.screens->show_final_message(installer_heading(), first, second);
    remove_installer_data(run);
}

// Until the password works: false when the run was aborted meanwhile.
bool password_screens(installer_run& run)
{
    for (;;) {
        run.screens->begin_password_wait();
        if (!wait_for_flag(flags().password_entered))
            return false;
        run.screens->take_password(run.password_copy);
        if (check_password(run))
            break;
        run.password_copy.wipe();
        if (aborted())
            return false;
        run.screens->show_wrong_password(installer_heading());
        flags().password_entered.store(0);
    }
    log_printf("** INFO ** %s: Password OK\n", title());
    return !aborted();
}

enum class step { final_screen, stop };

// Unpacks, asks for the folder and copies as root; every way out removes the payload.
step install_screens(installer_run& run)
{
    run.screens->show_installing(installer_heading());
    if (unpack_installer_data(run) != 0) {
        remove_installer_data(run);
        if (aborted())
            return step::stop;
        final_message(run, "** FATAL ERROR **", "Unable to extract installer data");
        return step::final_screen;
    }

    // An open selector is closed with the windows at shut-down, once the GUI
    // thread has stopped.
    const auto leave = [&] {
        remove_installer_data(run);
        return step::stop;
    };
    if (!pause_ms(1000))
        return leave();
    if (!run.folder->open(kSelectorTitle)) {
        log_printf("** ERROR ** %s: Unable to open the folder selector\n", title());
        return leave();
    }
    if (!wait_for_either(flags().folder_chosen, flags().install_cancelled))
        return leave();
    if (!flags().folder_chosen.load()) {
        log_printf("** INFO ** %s: Install cancelled by user.\n", title());
        final_message(run, "** USER CANCELLED INSTALLATION **", "Exiting...");
        return step::final_screen;
    }

    if (!pause_ms(500))
        return leave();
    run.screens->set_progress("Copying Files", 0.0f, CProgressBar::bouncing);
    const int copied = install_files(run);
    run.password_copy.wipe();
    if (copied != 0) {
        if (aborted())
            return leave();
        final_message(run, "** FATAL ERROR **", "Failed to copy files");
        return step::final_screen;
    }
    // Stopped from here on, the log still says the library is in place.
    const auto stopped_installed = [&] {
        log_root_outcome(root_outcome::installed, target_folder(run));
        return leave();
    };
    log_printf("** INFO ** %s: Removing Temporary Files\n", title());
    run.screens->set_progress("Removing Temporary Files", 0.0f, CProgressBar::filled);
    if (!wait_seconds(2, run.tick_ms))
        return stopped_installed();
    remove_installer_data(run);
    run.screens->set_progress_value(1.0f);
    if (!wait_seconds(2, run.tick_ms))
        return stopped_installed();
    log_printf("** INFO ** %s: Installation Complete\n", title());
    run.screens->show_complete(installer_heading());
    return step::final_screen;
}

// Splash, main window and widgets; false (with its line logged) when one cannot be made.
bool open_windows(installer_run& run)
{
    AFX_engine* e = run.engine;
    run.ui_scale = window_ext(*e).get_optimum_scale_factor();
    int cx = 0, cy = 0;
    x11_ext(*e).find_screen_centre(&cx, &cy);
    run.screens = std::make_unique<CInstallerScreens>(e, run.font, run.ui_scale);

    const int splash = run.screens->open_splash(cx, cy);
    if (splash == -1) {
        log_printf("** ERROR ** %s: Could not create splash screen window\n", title());
        return false;
    }
    if (splash == -2) {
        log_printf("** ERROR ** %s: Unable to allocate memory for splash screen GUI objects\n", title());
        return false;
    }
    // The splash stays its full time unless the run is aborted.
    pause_ms(kInstallerConfig.splash_seconds * 1000);
    run.screens->close_splash();
    if (aborted())
        return false;

    if (!run.screens->open_main_window(cx, cy, title())) {
        log_printf("** ERROR ** %s: Could not create GUI window\n", title());
        return false;
    }
    run.folder = std::make_unique<CFolderChoice>(e, run.font);
    if (!run.screens->create_main_widgets()) {
        log_printf("** ERROR ** %s: Unable to allocate memory for GUI objects\n", title());
        return false;
    }
    return true;
}

// Everything the user sees, from the splash to the last screen's OK.
void show_screens(installer_run& run)
{
    if (!open_windows(run))
        return;

    const bool have_method = run.screens->layout_main_window(run.auth_method) == 0;
    run.screens->create_main_drawables();
    run.screens->register_main_callbacks();
    window_ext(*run.engine).set_gui_update_interval(50 / run.tick_ms);
    run.folder->set_magnification(run.ui_scale);
    run.screens->show_main_window();

    if (!have_method) {
        wait_seconds(10, run.tick_ms);
        return;
    }

    const lock_check lock = check_lock_file(run);
    if (lock != lock_check::go) {
        if (lock == lock_check::other_user)
            run.screens->show_other_users_lock(installer_heading(),
                                               user_name_of(run.lock.holder_uid()).c_str());
        else
            run.screens->show_other_instance(installer_heading());
        flags().other_instance_running.store(1);
    } else {
        if (!password_screens(run))
            return;
        if (install_screens(run) == step::stop)
            return;
    }

    run.screens->show_ok_button();
    wait_for_flag(flags().ok_pressed);
    run.password_copy.wipe();
}

}  // namespace

run_outcome run_installer(installer_run& run)
{
    run.tick_ms = calibrate_sleep_tick();
    flags().abort_requested.store(0);
    flags().password_entered.store(0);
    flags().ok_pressed.store(0);
    flags().redraw_requested.store(0);

    if (!run.engine) {
        log_printf("** ERROR ** %s: GUI Engine is not running or was not started\n", title());
        return run_outcome::no_display;
    }
    if (!x11_ext(*run.engine).open_display_connection()) {
        log_printf("** ERROR ** %s: Unable to connect to X server\n", title());
        return run_outcome::no_display;
    }
    show_screens(run);
    return run_outcome::ran;
}
