// Stand-ins for su and sudo that the privileged-command tests drive on a
// pseudo-terminal. Built twice: FAKE_SUDO selects sudo's options. Set up
// through the environment:
//   FAKE_AUTH_PASSWORD  the password that is accepted
//   FAKE_AUTH_MODE      normal | translated | slow | echo_late | echo_on |
//                       silent | hang | signal | no_prompt | probe_hang | probe_deny
//   FAKE_AUTH_RECORD    file that receives our argv and environment, and
//                       "hung up" when we were ended through the terminal
#include <fcntl.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

std::string env_or(const char* name, const char* fallback)
{
    const char* v = std::getenv(name);
    return v ? v : fallback;
}

const std::string kMode = env_or("FAKE_AUTH_MODE", "normal");
bool mode(const char* m) { return kMode == m; }

void record(int argc, char** argv)
{
    const char* path = std::getenv("FAKE_AUTH_RECORD");
    if (!path)
        return;
    FILE* f = std::fopen(path, "a");
    if (!f)
        return;
    for (int i = 0; i < argc; ++i)
        std::fprintf(f, "argv %s\n", argv[i]);
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "FAKE_AUTH_", 10) != 0)
            std::fprintf(f, "env %s\n", *e);
    std::fclose(f);
}

// Async-signal-safe: also written from the hang-up handler.
void record_line(const char* line)
{
    const char* path = std::getenv("FAKE_AUTH_RECORD");
    if (!path || !*path)
        return;
    const int fd = open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    if (write(fd, line, std::strlen(line)) < 0) {
    }
    close(fd);
}

// The installer ends a program that overstays by hanging up its terminal:
// the record shows that it did, where a clock could only guess.
void on_hangup(int)
{
    record_line("hung up\n");
    _exit(1);
}

void say(const std::string& s)
{
    if (write(STDOUT_FILENO, s.data(), s.size()) < 0)
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
    // TCSAFLUSH drops anything typed before the prompt, as the real programs do.
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &t);
}

[[noreturn]] void hang()
{
    for (;;)
        pause();
}

// Shows the prompt the way the mode asks and reads one line.
std::string ask(const std::string& prompt)
{
    if (mode("silent"))
        hang();
    if (mode("slow"))
        usleep(800 * 1000);
    if (mode("echo_late")) {
        say(prompt);
        usleep(250 * 1000);
        set_echo(false);
    } else if (mode("echo_on")) {
        say(prompt);
    } else {
        set_echo(false);
        say(prompt);
    }
    std::string line;
    char c;
    for (;;) {
        const ssize_t n = read(STDIN_FILENO, &c, 1);
        if (n <= 0)
            on_hangup(0);  // the terminal has gone
        if (c == '\n')
            break;
        line += c;
    }
    set_echo(true);
    say("\n");
    return line;
}

[[noreturn]] void run_accepted(const std::vector<char*>& cmd)
{
    if (mode("hang"))
        hang();
    if (mode("signal"))
        kill(getpid(), SIGKILL);
    if (cmd.empty())
        _exit(0);
    std::vector<char*> v(cmd);
    v.push_back(nullptr);
    execvp(v[0], v.data());
    _exit(127);
}

const std::string kPassword = env_or("FAKE_AUTH_PASSWORD", "secret");
bool translated() { return mode("translated"); }

}  // namespace

#ifdef FAKE_SUDO
int main(int argc, char** argv)
{
    signal(SIGHUP, on_hangup);
    record(argc, argv);
    bool non_interactive = false, forget = false;
    std::string prompt = "[sudo] password: ";
    int i = 1;
    for (; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "-n")
            non_interactive = true;
        else if (a == "-k")
            forget = true;
        else if (a == "-S")
            continue;
        else if (a == "-p" && i + 1 < argc)
            prompt = argv[++i];
        else if (a == "-u" && i + 1 < argc)
            ++i;
        else if (a == "--") {
            ++i;
            break;
        } else
            break;
    }
    const std::vector<char*> cmd(argv + i, argv + argc);
    if (forget && cmd.empty())
        return 0;
    if (non_interactive && !mode("probe_hang")) {
        if (mode("probe_deny"))
            return 1;
        run_accepted(cmd);
    }
    if (mode("no_prompt"))
        run_accepted(cmd);
    for (int tries = 0; tries < 3; ++tries) {
        if (ask(prompt) == kPassword)
            run_accepted(cmd);
        say(translated() ? "Entschuldigung, versuchen Sie es noch einmal.\n" : "Sorry, try again.\n");
    }
    say("sudo: 3 incorrect password attempts\n");
    return 1;
}
#else
int main(int argc, char** argv)
{
    signal(SIGHUP, on_hangup);
    record(argc, argv);
    std::vector<char*> cmd;
    static char sh[] = "/bin/sh", dash_c[] = "-c";
    char* shell = sh;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-s") == 0)
            shell = argv[i + 1];
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-c") == 0)
            cmd = {shell, dash_c, argv[i + 1]};
    if (ask(translated() ? "Passwort: " : "Password: ") != kPassword) {
        say(translated() ? "su: Authentifizierung fehlgeschlagen\n" : "su: Authentication failure\n");
        return 1;
    }
    run_accepted(cmd);
}
#endif
