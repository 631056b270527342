// The archive carried by the installer: one member VLT650.so, owner 0/0,
// mode 0644, fixed time, the same bytes from the same library every time.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "payload_data.h"
#include "test_support.h"

namespace {

using test_support::TempDir;
namespace fs = std::filesystem;

struct tar_member {
    std::string name;
    unsigned mode = 0, uid = 0, gid = 0;
    unsigned long long size = 0, mtime = 0;
    char type = 0;
};

unsigned long long octal(const std::string& h, size_t at, size_t len)
{
    return std::stoull(h.substr(at, len).c_str() + h.substr(at, len).find_first_not_of(' '), nullptr, 8);
}

std::vector<tar_member> members_of(const std::string& archive)
{
    const std::string tar = test_support::run_output("gzip -dc '" + archive + "'");
    std::vector<tar_member> out;
    for (size_t at = 0; at + 512 <= tar.size() && tar[at] != 0;) {
        const std::string h = tar.substr(at, 512);
        tar_member m;
        m.name = h.substr(0, h.find('\0'));
        m.mode = static_cast<unsigned>(octal(h, 100, 7));
        m.uid = static_cast<unsigned>(octal(h, 108, 7));
        m.gid = static_cast<unsigned>(octal(h, 116, 7));
        m.size = octal(h, 124, 11);
        m.mtime = octal(h, 136, 11);
        m.type = h[156];
        out.push_back(m);
        at += 512 + (m.size + 511) / 512 * 512;
    }
    return out;
}

void expect_single_library_member(const std::string& archive, const std::string& library)
{
    const auto m = members_of(archive);
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].name, "VLT650.so");
    EXPECT_EQ(m[0].mode, 0644u);
    EXPECT_EQ(m[0].uid, 0u);
    EXPECT_EQ(m[0].gid, 0u);
    EXPECT_EQ(m[0].type, '0');
    EXPECT_EQ(m[0].size, fs::file_size(library));
    TempDir out;
    test_support::run_output("tar -xzf '" + archive + "' -C '" + out.path() + "'");
    // Compared whole, never printed: these are binaries.
    EXPECT_TRUE(test_support::read_file(out / "VLT650.so") == test_support::read_file(library));
}

std::string pack(const std::string& input, const std::string& output)
{
    test_support::run_output(std::string("'") + CMAKE_BINARY + "' -DINPUT='" + input + "' -DOUTPUT='" +
                             output + "' -P '" + PAYLOAD_SCRIPT + "' 2>&1");
    return test_support::read_file(output);
}

TEST(Payload, ArchiveDependsOnTheLibraryBytesAlone)
{
    TempDir dir;
    fs::copy_file(FIXTURE_LIBRARY, dir / "a.so");
    fs::copy_file(FIXTURE_LIBRARY, dir / "b.so");
    // Different file mode and time must not show in the archive.
    fs::permissions(dir / "b.so", fs::perms(0777));
    fs::last_write_time(dir / "b.so", fs::last_write_time(dir / "b.so") - std::chrono::hours(24 * 400));
    const std::string a = pack(dir / "a.so", dir / "a.tar.gz");
    ASSERT_FALSE(a.empty());
    EXPECT_TRUE(a == pack(dir / "b.so", dir / "b.tar.gz"));
    EXPECT_TRUE(a == test_support::read_file(FIXTURE_ARCHIVE));
    expect_single_library_member(dir / "a.tar.gz", FIXTURE_LIBRARY);
    EXPECT_EQ(members_of(dir / "a.tar.gz")[0].mtime, members_of(FIXTURE_ARCHIVE)[0].mtime);
}

TEST(Payload, EmbeddedBytesAreTheArchive)
{
    const std::string archive = test_support::read_file(FIXTURE_ARCHIVE);
    ASSERT_EQ(qelm_payload_size, archive.size());
    EXPECT_TRUE(std::string(reinterpret_cast<const char*>(qelm_payload_data), qelm_payload_size) == archive);
}

#ifdef REAL_ARCHIVE
TEST(Payload, InstallerArchiveCarriesThePluginLibrary)
{
    expect_single_library_member(REAL_ARCHIVE, REAL_LIBRARY);
}
#endif

}  // namespace
