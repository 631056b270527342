#include <errno.h>
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

// A file as the user sees it: whether root's rename has put a new one in
// place shows in its identity, when root's side can no longer say.
struct file_identity {
    enum { absent, present, unknown } state = unknown;
    dev_t dev = 0;
    ino_t ino = 0;
};

namespace {

file_identity identity_of(const std::string& path)
{
    file_identity id;
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0) {
        id.state = file_identity::present;
        id.dev = st.st_dev;
        id.ino = st.st_ino;
    } else if (errno == ENOENT) {
        id.state = file_identity::absent;
    }
    return id;
}

std::string library_path(const root_install_args& a) { return a.folder + "/" + a.member; }

// Root's side says by its exit status whether it renamed the library into
// place (0 only then); one that was ended, or killed, cannot, and the folder
// is looked at instead.
root_outcome outcome_of(const child_outcome& o, const file_identity& before, const root_install_args& a)
{
    if (o.kind == child_outcome::exited || o.kind == child_outcome::not_started)
        return o.succeeded() ? root_outcome::installed : root_outcome::not_installed;
    const file_identity after = identity_of(library_path(a));
    if (before.state == file_identity::unknown || after.state == file_identity::unknown)
        return root_outcome::unknown;
    if (after.state == file_identity::absent)
        return root_outcome::not_installed;
    const bool replaced =
        before.state == file_identity::absent || before.dev != after.dev || before.ino != after.ino;
    return replaced ? root_outcome::installed : root_outcome::not_installed;
}

}  // namespace

void log_root_outcome(root_outcome outcome, const std::string& folder)
{
    const std::string where = log_safe(folder);
    switch (outcome) {
    case root_outcome::installed:
        log_printf("** INFO ** %s: %s is installed in %s\n", installer_title(), kPayloadMember,
                   where.c_str());
        break;
    case root_outcome::not_installed:
        log_printf("** INFO ** %s: %s was not installed in %s\n", installer_title(), kPayloadMember,
                   where.c_str());
        break;
    case root_outcome::unknown:
        log_printf("** ERROR ** %s: Could not tell whether %s was installed in %s\n", installer_title(),
                   kPayloadMember, where.c_str());
        break;
    }
}

child_outcome CPrivCommands::finish_exchange(CPtyChild& child, int finish_ms, bool abortable,
                                             const CPtyChild::stop_fn& stop_when) const
{
    if (!abortable)
        return child.finish(finish_ms, stop_when);
    child_outcome o;
    const auto stop = [&](const CPtyChild& c) { return aborted() || (stop_when && stop_when(c)); };
    if (child.wait_end(finish_ms, o, stop))
        return o;
    // Asked to stop: root's side is all-or-nothing and normally ends at once,
    // so it gets a moment to end by itself before it is cut off.
    if (aborted() && !(stop_when && stop_when(child)) && child.wait_end(timings.abort_grace_ms, o, stop_when))
        return o;
    o = child.terminate();
    o.kind = child_outcome::timed_out;
    return o;
}

int CPrivCommands::settle(const child_outcome& o, std::string& output, const char* password,
                          const root_install_args& args, const file_identity& before) const
{
    const auto said = root_messages(output, password ? password : "");
    explicit_bzero(output.data(), output.size());
    if (!o.succeeded()) {
        // The words of tar (or of the folder check) say more than any status.
        for (const std::string& m : said)
            log_printf("** ERROR ** %s: %s\n", installer_title(), log_safe(m).c_str());
        if (o.kind == child_outcome::signalled)
            log_printf("** ERROR ** %s: unpacking ended by signal %d\n", installer_title(), o.code);
        else if (o.kind == child_outcome::timed_out && !aborted())
            log_printf("** ERROR ** %s: unpacking did not finish in time\n", installer_title());
        else if (o.kind == child_outcome::exited && said.empty())
            log_printf("** ERROR ** %s: unpacking failed with exit status %d\n", installer_title(), o.code);
        log_root_outcome(outcome_of(o, before, args), args.folder);
        return 1;
    }
    // Installed, with a remark (a private folder someone moved and root left).
    for (const std::string& m : said)
        log_printf("** INFO ** %s: %s\n", installer_title(), log_safe(m).c_str());
    for (int i = 0; i < timings.settle_ms && !aborted(); ++i)
        usleep(1000);
    if (!aborted())
        return 0;
    log_root_outcome(root_outcome::installed, args.folder);
    return 1;
}

bool CPrivCommands::install_arguments(const char* folder, const install_payload& payload,
                                      root_install_args& args) const
{
    if (folder && install_folder_is_acceptable(folder) && install_folder_is_acceptable(payload.path)) {
        args = {tar_path_, payload, without_trailing_slashes(folder), kPayloadMember,
                static_cast<unsigned>(getuid())};
        return true;
    }
    log_printf("** ERROR ** %s: refusing an install folder with control characters or no absolute path\n",
               installer_title());
    return false;
}

int CPrivCommands::install_through(const root_install_args& args, const char* password, bool by_sudo)
{
    const file_identity before = identity_of(library_path(args));
    std::string output;
    const child_outcome o =
        by_sudo ? sudo_exchange(root_install_argv(args), password, timings.install_ms, &output, true)
                : su_run(root_install_command_line(args), password, timings.install_ms, &output, true);
    return settle(o, output, password, args, before);
}
