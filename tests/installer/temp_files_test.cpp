// The lock file and the unpacked payload live in a folder everyone writes
// to; another user's planted file or symlink must never be trusted.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <atomic>
#include <filesystem>

#include "temp_files.h"
#include "test_support.h"

namespace {

using test_support::TempDir;
namespace fs = std::filesystem;

TEST(LockFile, FirstRunHoldsItSecondIsRefusedAndTheFileGoesAtRelease)
{
    TempDir dir;
    const std::string lock = dir / "qelm-installer-lock";
    {
        CLockFile first, second;
        EXPECT_EQ(first.acquire(lock), CLockFile::created);
        EXPECT_EQ(second.acquire(lock), CLockFile::held_by_other);
        EXPECT_EQ(fs::status(lock).permissions(), fs::perms(0600));
        EXPECT_EQ(test_support::read_file(lock).rfind("** QELM installer lock file **\n\n", 0), 0u);
        second.release();  // not its file: stays
        EXPECT_TRUE(fs::exists(lock));
    }
    EXPECT_FALSE(fs::exists(lock));
}

TEST(LockFile, NeverFollowsOrRemovesWhatSomeoneElsePutThere)
{
    TempDir dir;
    const std::string victim = dir / "victim", lock = dir / "lock";
    {
        std::ofstream(victim) << "keep";
    }
    fs::create_symlink(victim, lock);
    CLockFile l;
    EXPECT_EQ(l.acquire(lock), CLockFile::held_by_other);
    EXPECT_EQ(test_support::read_file(victim), "keep");

    // A lock replaced behind our back is not ours to remove.
    fs::remove(lock);
    EXPECT_EQ(l.acquire(lock), CLockFile::created);
    fs::remove(lock);
    {
        std::ofstream(lock) << "other";
    }
    l.release();
    EXPECT_EQ(test_support::read_file(lock), "other");
    EXPECT_EQ(l.acquire(dir / "missing-dir/lock"), CLockFile::unavailable);
}

const unsigned char kData[] = "0123456789abcdefghijklmnopqrstuvwxyz";

TEST(PayloadFile, WritesThePayloadIntoAPrivateFolderAndRemovesIt)
{
    TempDir dir;
    std::vector<double> steps;
    CPayloadFile p;
    ASSERT_EQ(p.write(
                  dir.path(), "data.tar.gz", kData, sizeof kData, nullptr,
                  [](double f, void* u) { static_cast<std::vector<double>*>(u)->push_back(f); }, &steps, 16),
              0);
    EXPECT_EQ(test_support::read_file(p.path()),
              std::string(reinterpret_cast<const char*>(kData), sizeof kData));
    EXPECT_EQ(fs::status(p.folder()).permissions(), fs::perms(0700));
    EXPECT_EQ(fs::status(p.path()).permissions(), fs::perms(0600));
    EXPECT_EQ(fs::path(p.folder()).parent_path(), fs::path(dir.path()));
    EXPECT_EQ(steps, (std::vector<double>{16.0 / 37, 32.0 / 37, 1.0}));
    const std::string folder = p.folder();
    p.remove();
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

TEST(PayloadFile, FailedWriteOrAbortLeavesNothingBehind)
{
    TempDir dir;
    std::atomic<int> abort_flag{1};
    CPayloadFile p;
    EXPECT_EQ(p.write(dir.path(), "d", kData, sizeof kData, &abort_flag), 1);
    EXPECT_EQ(p.write(dir / "no-such-folder", "d", kData, sizeof kData, nullptr), 1);

    // A full disk: the file size limit makes writes fail part-way.
    struct sigaction ign {
    }, old{};
    ign.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ign, &old);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 10;
    setrlimit(RLIMIT_FSIZE, &small);
    const int r = p.write(dir.path(), "d", kData, sizeof kData, nullptr, nullptr, nullptr, 4);
    setrlimit(RLIMIT_FSIZE, &saved);
    sigaction(SIGXFSZ, &old, nullptr);
    EXPECT_EQ(r, 1);
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

}  // namespace
