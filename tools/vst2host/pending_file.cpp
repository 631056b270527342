#include "pending_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace vst2host {

namespace {

// The same folder keeps the final rename on one file system, so it is atomic.
std::string temp_template(const std::string& target)
{
    const std::string::size_type slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    return folder + "." + name + ".XXXXXX";
}

// mkstemp makes the file private; the result gets the mode a plain
// create would have given it.
mode_t create_mode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

PendingFile::PendingFile(const std::string& target) : target_(target)
{
    std::string pattern = temp_template(target);
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    fd_ = mkstemp(name.data());
    if (fd_ < 0) {
        fail("cannot create a file beside it");
        return;
    }
    temp_ = name.data();
    if (fchmod(fd_, create_mode()) != 0) {
        fail("cannot set the file's mode");
        close(fd_);
        fd_ = -1;
    }
}

PendingFile::~PendingFile()
{
    if (fd_ >= 0)
        close(fd_);
    if (!committed_ && !temp_.empty())
        unlink(temp_.c_str());
}

bool PendingFile::fail(const std::string& what)
{
    error_ = target_ + ": " + what + ": " + std::strerror(errno);
    return false;
}

bool PendingFile::commit()
{
    if (fd_ < 0)
        return false;
    const int rc = close(fd_);
    fd_ = -1;
    if (rc != 0)
        return fail("writing failed");
    if (std::rename(temp_.c_str(), target_.c_str()) != 0)
        return fail("cannot replace it");
    committed_ = true;
    return true;
}

}  // namespace vst2host
