#include <string.h>

#include "installer_log.h"
#include "priv_commands.h"
#include "pty_child.h"

const std::vector<std::string>& CPrivCommands::default_su_paths()
{
    static const std::vector<std::string> p{"/bin/su", "/usr/bin/su", "/usr/local/bin/su", "/usr/sbin/su"};
    return p;
}

child_outcome CPrivCommands::su_run(const std::string& command, const char* password, int finish_ms,
                                    std::string* output, bool abortable)
{
    CPtyChild child;
    child.set_kill_grace_ms(timings.kill_grace_ms);
    // -s: the command line is quoted for sh, and root's login shell may be
    // another (or read start-up files of its own).
    if (!child.spawn({su_path_, "-s", "/bin/sh", "-c", command}, root_environment)) {
        log_printf("** ERROR ** %s: failed to fork pty for su\n", installer_title());
        return {};
    }
    // su's prompt is translated and not ours to choose: wait for any text
    // and for echo off, the sign that it reads the password now (input typed
    // earlier would be flushed).
    child_outcome o;
    if (!child.wait_for_secret_prompt("", timings.prompt_ms, timings.echo_grace_ms)) {
        o = child.finish(timings.kill_grace_ms);
    } else {
        const bool sent = child.write_all(password, strlen(password)) && child.write_all("\n", 1);
        o = sent ? finish_exchange(child, finish_ms, abortable) : child.terminate();
    }
    if (output)
        *output = child.output();
    return o;
}

bool CPrivCommands::su_check_password(const char* password)
{
    return su_run("echo", password, timings.answer_ms).succeeded();
}

int CPrivCommands::su_install(const char* folder, const install_payload& payload, const char* password)
{
    root_install_args args;
    if (!install_arguments(folder, payload, args))
        return 1;
    return install_through(args, password, false);
}
