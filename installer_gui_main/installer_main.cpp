// qelm-installer: installs the Linux plug-in library, carried inside this
// program, into a folder the user picks, as root through su or sudo. The
// program itself never runs as root.
#include <pthread.h>
#include <unistd.h>

#include <cstdlib>

#include "afx/x11/afx_engine_x11.h"
#include "afx/core/afx_font_engine.h"
#include "installer_config.h"
#include "installer_flow.h"
#include "installer_log.h"
#include "installer_run_state.h"
#include "installer_waits.h"
#include "priv_commands.h"
#include "secret_text.h"

namespace {

// 0 after a run that showed its screens, whatever they said; 255 when the
// installer could not get that far (started as root, no GUI thread, no X server).
constexpr int kExitRan = 0;
constexpr int kExitNotRun = 255;

void* start_ui_thread(void* engine)
{
    x11_ext(*static_cast<AFX_engine*>(engine)).run_engine();
    return nullptr;
}

void refuse_root()
{
    log_printf("You appear to be running the installer as root.\n");
    log_printf("Restart the installer as a normal user and you\n");
    log_printf("will be prompted for your password when required.\n");
    log_printf("\n");
}

int choose_auth_method(CPrivCommands& priv)
{
    if (priv.find_sudo())
        return auth_sudo;
    if (priv.find_su())
        return auth_su;
    return auth_none;
}

}  // namespace

int installer_main()
{
    const installer_config& cfg = kInstallerConfig;
    set_installer_title(cfg.product_name, cfg.version);
    set_installer_heading(cfg.product_name, cfg.version);
    log_printf("\n");
    log_printf("%s", installer_heading());
    log_printf("\n");
    log_printf("\n");

    if (getuid() == 0) {
        refuse_root();
        return kExitNotRun;
    }
    // The password passes through this process: no core file may hold it.
    keep_secrets_out_of_dumps();

    installer_run run;
    CPrivCommands priv(&run_flags().abort_requested);
    priv.timings.settle_ms = flow_pause_length(priv.timings.settle_ms);
    priv.find_tar();
    run.priv = &priv;
    run.auth_method = choose_auth_method(priv);

    install_abort_signals();
    run.engine = new AFX_engine();
    run.font = new AFX_font_engine(run.engine);

    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setdetachstate(&attr, PTHREAD_CREATE_JOINABLE);
    pthread_t gui_thread;
    const int started = pthread_create(&gui_thread, &attr, start_ui_thread, run.engine);
    pthread_attr_destroy(&attr);
    if (started != 0) {
        log_printf("** ERROR ** %s: Unable to create GUI thread :(\n", installer_title());
        x11_ext(*run.engine).close_display_connection();
        delete run.font;
        delete run.engine;
        restore_abort_signals();
        return kExitNotRun;
    }

    const run_outcome outcome = run_installer(run);

    x11_ext(*run.engine).stop_engine();
    pthread_join(gui_thread, nullptr);
    run.folder.reset();
    run.screens.reset();
    x11_ext(*run.engine).close_display_connection();
    delete run.font;
    delete run.engine;
    run.payload.remove();
    run.password_copy.wipe();
    // Only a lock this run made goes; another run's lock stays.
    run.lock.release();
    restore_abort_signals();
    log_printf("\n");
    log_printf("** INFO ** %s: Exiting\n", installer_title());
    log_printf("\n");
    return outcome == run_outcome::ran ? kExitRan : kExitNotRun;
}

int main() { return installer_main(); }
