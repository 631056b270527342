// A stand-in for su on the end-to-end su road: bound over the system's su
// inside a private mount namespace, installed setuid root, so the installer
// meets a program that asks for a password on its terminal and then runs
// `-c COMMAND` as root the way su without '-' does: by root's login shell
// (or the one given with -s), with the caller's whole environment. The
// accepted password is in a root-only file whose path is built in (under
// /tmp, which in the test's namespace is the test's own); nothing of the
// machine's own su or root account is used.
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

void say(const char* s)
{
    if (write(STDOUT_FILENO, s, strlen(s)) < 0)
        _exit(99);
}

void set_echo(bool on)
{
    termios t{};
    if (tcgetattr(STDIN_FILENO, &t) != 0)
        return;
    if (on)
        t.c_lflag |= ECHO;
    else
        t.c_lflag &= ~ECHO;
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &t);
}

// Only a file of root's that nobody else can read or write counts: the
// stand-in is setuid root, and a user who could plant the file would own it.
std::string expected_password()
{
    std::string s;
    const int fd = open(E2E_SU_PASSWORD_FILE, O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    struct stat st {};
    if (fd < 0 || fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != 0 || (st.st_mode & 077) != 0) {
        if (fd >= 0)
            close(fd);
        return s;
    }
    if (FILE* f = fdopen(fd, "r")) {
        char buf[512];
        if (std::fgets(buf, sizeof buf, f))
            s = buf;
        std::fclose(f);
    }
    if (!s.empty() && s.back() == '\n')
        s.pop_back();
    return s;
}

}  // namespace

int main(int argc, char** argv)
{
    const char* command = nullptr;
    std::string shell = "/bin/sh";
    if (const passwd* root = getpwuid(0); root && root->pw_shell && *root->pw_shell)
        shell = root->pw_shell;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-c") == 0)
            command = argv[i + 1];
        if (std::strcmp(argv[i], "-s") == 0)
            shell = argv[i + 1];
    }
    set_echo(false);
    say("Password: ");
    std::string line;
    char c;
    while (read(STDIN_FILENO, &c, 1) == 1 && c != '\n')
        line += c;
    set_echo(true);
    say("\n");
    const std::string want = expected_password();
    if (want.empty() || line != want) {
        sleep(1);
        say("su: Authentication failure\n");
        return 1;
    }
    if (setgid(0) != 0 || setuid(0) != 0)
        return 126;
    if (!command)
        return 0;
    execl(shell.c_str(), shell.c_str(), "-c", command, static_cast<char*>(nullptr));
    return 127;
}
