// Small helpers shared by the installer tests: private temporary folders,
// whole-file reads, program output.
#pragma once

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "command_run.h"

namespace test_support {

class TempDir {
public:
    TempDir()
    {
        std::string t = std::filesystem::temp_directory_path().string() + "/vlt-inst-test-XXXXXX";
        path_ = mkdtemp(t.data()) ? t : std::string();
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

inline std::string read_file(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

inline std::string run_output(const std::string& cmd) { return run_command(cmd).output; }

}  // namespace test_support
