#include <string.h>

#include "installer_log.h"
#include "priv_commands.h"
#include "pty_child.h"

namespace {

// Our own prompt (sudo -p), so asking is recognised in any language; it
// holds no '%', which sudo would expand.
constexpr const char* kSudoPrompt = "[qelm-installer] sudo password: ";

bool asked_again(const CPtyChild& c) { return c.marker_count(kSudoPrompt) >= 2; }

}  // namespace

const std::vector<std::string>& CPrivCommands::default_sudo_paths()
{
    static const std::vector<std::string> p{"/usr/bin/sudo", "/usr/local/bin/sudo", "/usr/sbin/sudo",
                                            "/bin/sudo"};
    return p;
}

bool CPrivCommands::sudo_probe(const char* user_name)
{
    // -n: never ask; a sudo that wants a password fails at once.
    return run_without_input({sudo_path_, "-n", "-u", user_name, "--", "echo"}, timings.probe_ms).succeeded();
}

bool CPrivCommands::sudo_forget()
{
    return run_without_input({sudo_path_, "-k"}, timings.probe_ms).succeeded();
}

child_outcome CPrivCommands::sudo_exchange(const std::vector<std::string>& command, const char* password,
                                           int finish_ms, std::string* output, bool abortable)
{
    std::vector<std::string> argv{sudo_path_, "-S", "-p", kSudoPrompt, "--"};
    argv.insert(argv.end(), command.begin(), command.end());
    CPtyChild child;
    child.set_kill_grace_ms(timings.kill_grace_ms);
    if (!child.spawn(argv, root_environment)) {
        log_printf("** ERROR ** %s: failed to fork pty for sudo\n", installer_title());
        return {};
    }
    // A sudo that does not ask is judged by its exit status alone.
    if (child.wait_for_secret_prompt(kSudoPrompt, timings.prompt_ms, timings.echo_grace_ms)) {
        const bool sent = child.write_all(password, strlen(password)) && child.write_all("\n", 1);
        if (!sent)
            return child.terminate();
    }
    // Asked a second time: the password was wrong; stop rather than wait
    // for sudo's own retries to run out.
    const child_outcome o = finish_exchange(child, finish_ms, abortable, asked_again);
    if (output)
        *output = child.output();
    return o;
}

bool CPrivCommands::sudo_run(const std::vector<std::string>& command, const char* password)
{
    return sudo_exchange(command, password, timings.answer_ms).succeeded();
}

bool CPrivCommands::sudo_check_password(const char* password)
{
    sudo_forget();
    return sudo_run({"echo"}, password);
}

int CPrivCommands::sudo_install(const char* folder, const install_payload& payload, const char* password)
{
    root_install_args args;
    if (!install_arguments(folder, payload, args))
        return 1;
    sudo_forget();
    // An argument vector: blanks and shell characters in the folder stay in it.
    return install_through(args, password, true);
}
