#include <pwd.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include "installer_log.h"
#include "priv_commands.h"
#include "pty_child.h"
#include "root_install.h"
#include "shell_quote.h"

namespace {

bool first_existing(const std::vector<std::string>& candidates, std::string& out)
{
    struct stat st {};
    for (const auto& c : candidates)
        if (stat(c.c_str(), &st) == 0) {
            out = c;
            return true;
        }
    return false;
}

}  // namespace

const std::vector<std::string>& default_root_environment()
{
    static const std::vector<std::string> env{"PATH=/usr/sbin:/usr/bin:/sbin:/bin", "LC_ALL=C", "TERM=dumb"};
    return env;
}

const std::vector<std::string>& CPrivCommands::default_tar_paths()
{
    static const std::vector<std::string> p{"/usr/bin/tar", "/bin/tar"};
    return p;
}

bool CPrivCommands::find_tar(const std::vector<std::string>& candidates)
{
    return first_existing(candidates, tar_path_);
}

bool CPrivCommands::find_su(const std::vector<std::string>& candidates)
{
    if (!first_existing(candidates, su_path_))
        return false;
    log_printf("** INFO ** %s: Using 'su' for authentication\n", installer_title());
    return true;
}

bool CPrivCommands::find_sudo(const std::vector<std::string>& candidates)
{
    std::string path;
    if (!first_existing(candidates, path))
        return false;
    sudo_path_ = path;
    const char* user = nullptr;
    if (const passwd* pw = getpwuid(getuid()))
        user = pw->pw_name;
    if (!user || !sudo_probe(user))
        return false;
    log_printf("** INFO ** %s: Using 'sudo' for authentication\n", installer_title());
    return true;
}

child_outcome CPrivCommands::run_without_input(const std::vector<std::string>& argv, int finish_ms)
{
    CPtyChild child;
    child.set_kill_grace_ms(timings.kill_grace_ms);
    if (!child.spawn(argv, root_environment)) {
        log_printf("** ERROR ** %s: failed to fork pty for sudo\n", installer_title());
        return {};
    }
    return child.finish(finish_ms);
}

int CPrivCommands::settle(const child_outcome& o, std::string& output, const char* password) const
{
    const auto said = root_messages(output, password ? password : "");
    explicit_bzero(output.data(), output.size());
    if (!o.succeeded()) {
        // The words of tar (or of the folder check) say more than any status.
        for (const std::string& m : said)
            log_printf("** ERROR ** %s: %s\n", installer_title(), log_safe(m).c_str());
        if (o.kind == child_outcome::signalled)
            log_printf("** ERROR ** %s: unpacking ended by signal %d\n", installer_title(), o.code);
        else if (o.kind == child_outcome::timed_out)
            log_printf("** ERROR ** %s: unpacking did not finish in time\n", installer_title());
        else if (o.kind == child_outcome::exited && said.empty())
            log_printf("** ERROR ** %s: unpacking failed with exit status %d\n", installer_title(), o.code);
        return 1;
    }
    for (int i = 0; i < timings.settle_ms; ++i) {
        if (abort_requested_ && abort_requested_->load())
            return 1;
        usleep(1000);
    }
    return abort_requested_ && abort_requested_->load() ? 1 : 0;
}

bool CPrivCommands::install_arguments(const char* folder, const char* payload, root_install_args& args) const
{
    if (folder && payload && install_folder_is_acceptable(folder) && install_folder_is_acceptable(payload)) {
        args = {tar_path_, payload, without_trailing_slashes(folder), kPayloadMember,
                static_cast<unsigned>(getuid())};
        return true;
    }
    log_printf("** ERROR ** %s: refusing an install folder with control characters or no absolute path\n",
               installer_title());
    return false;
}
