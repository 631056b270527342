// The sudo road against the machine's real sudo: a throw-away user with a
// password and a sudoers entry, made and removed here; skipped unless we
// are root with sudo installed.
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "installer_log.h"
#include "payload_data.h"
#include "priv_commands.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;

int run(const std::string& cmd) { return std::system(cmd.c_str()); }

class RealSudoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (geteuid() != 0 || !fs::exists("/usr/bin/sudo") || !fs::exists("/usr/sbin/useradd"))
            GTEST_SKIP() << "needs root, sudo and useradd";
        std::random_device rd;
        const unsigned tag = rd() % 1000000;
        user = "qelmt" + std::to_string(tag);
        password = "Pw " + std::to_string(rd()) + " $x'";
        sudoers = "/etc/sudoers.d/qelm-test-" + user;
        ASSERT_EQ(run("useradd -M -s /bin/sh " + user), 0);
        made_user = true;
        FILE* p = popen("chpasswd", "w");
        ASSERT_NE(p, nullptr);
        std::fprintf(p, "%s:%s\n", user.c_str(), password.c_str());
        ASSERT_EQ(pclose(p), 0);
        {
            std::ofstream f(sudoers);
            f << user << " ALL=(ALL:ALL) ALL\nDefaults:" << user << " !lecture\n";
        }
        fs::permissions(sudoers, fs::perms(0440));
        ASSERT_EQ(run("visudo -qcf " + sudoers), 0);
    }

    void TearDown() override
    {
        std::error_code ec;
        if (!sudoers.empty())
            fs::remove(sudoers, ec);
        if (made_user)
            run("userdel " + user + " 2>/dev/null");
        // sudo's timestamps are kept by user name: a later user of the name
        // would inherit them.
        for (const char* dir : {"/run/sudo/ts/", "/var/lib/sudo/ts/"})
            fs::remove(dir + user, ec);
    }

    // Runs body as the test user in a child; its exit status is the result.
    int as_user(int (*body)(const char* password, const std::string& folder), const std::string& folder)
    {
        const passwd* pw = getpwnam(user.c_str());
        if (!pw)
            return -1;
        const uid_t uid = pw->pw_uid;
        const gid_t gid = pw->pw_gid;
        std::fflush(stdout);
        const pid_t pid = fork();
        if (pid == 0) {
            if (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0)
                _exit(100);
            _exit(body(password.c_str(), folder));
        }
        int st = 0;
        waitpid(pid, &st, 0);
        return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    }

    std::string user, password, sudoers;
    bool made_user = false;
};

TEST_F(RealSudoTest, ProbeCheckAndInstallAsRoot)
{
    test_support::TempDir dir;
    fs::permissions(dir.path(), fs::perms(0755));
    const std::string folder = dir / "VST folder $(touch PWNED) 'q'";
    ASSERT_TRUE(fs::create_directory(folder));

    const int r = as_user(
        [](const char* password, const std::string& target) {
            CPrivCommands c;
            c.timings.settle_ms = 0;
            if (!c.find_tar())
                return 1;
            if (!c.find_sudo())
                return 2;
            if (c.sudo_check_password("wrong password"))
                return 3;
            if (!c.sudo_check_password(password))
                return 4;
            const install_payload payload =
                describe_payload(FIXTURE_ARCHIVE, qelm_payload_data, qelm_payload_size);
            if (c.sudo_install(target.c_str(), payload, password) != 0)
                return 5;
            return 0;
        },
        folder);
    ASSERT_EQ(r, 0);

    const std::string lib = folder + "/VLT650.so";
    struct stat st {};
    ASSERT_EQ(stat(lib.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 0u);
    EXPECT_EQ(st.st_gid, 0u);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
    EXPECT_TRUE(test_support::read_file(lib) == test_support::read_file(FIXTURE_LIBRARY));
    EXPECT_FALSE(fs::exists(dir / "PWNED"));
}

TEST_F(RealSudoTest, UserWithoutSudoRightsIsNotOffered)
{
    fs::remove(sudoers);
    const int r = as_user(
        [](const char*, const std::string&) {
            CPrivCommands c;
            return c.find_sudo() ? 1 : 0;
        },
        "");
    EXPECT_EQ(r, 0);
}

}  // namespace
