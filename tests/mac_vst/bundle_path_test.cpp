// The executable path the module initializers pin: a path that does not fit
// the 1024-byte buffer is refused, never cut short.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bundle_paths.h"
#include "bundle_pin.h"

namespace {

namespace fs = std::filesystem;

CFBundleRef bundle_at(const std::string& path)
{
    CFURLRef url = CFURLCreateFromFileSystemRepresentation(kCFAllocatorDefault,
                                                           reinterpret_cast<const UInt8*>(path.data()),
                                                           static_cast<CFIndex>(path.size()), true);
    CFBundleRef bundle = CFBundleCreate(kCFAllocatorDefault, url);
    CFRelease(url);
    return bundle;
}

TEST(BundlePath, RefusesAPathLongerThanTheBuffer)
{
    const char* work = std::getenv("VLT_DISPLAY_WORK");
    ASSERT_NE(work, nullptr) << "run under tests/support/gnustep_display_run.sh";
    struct Case {
        std::size_t length;  // of the executable's path, about
        bool fits;
    } const cases[] = {{200, true}, {1100, false}};
    for (const Case& c : cases) {
        fs::path dir = fs::path(work) / ("case" + std::to_string(c.length));
        while (dir.string().size() + 40 < c.length)
            dir /= std::string(60, 'd');
        const fs::path copy = dir / "VLT650-VST.vst";
        fs::create_directories(copy);
        fs::copy(kVst2Bundle, copy, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        // An identifier of its own: NSBundle answers a known identifier
        // with the bundle already loaded under it.
        std::ofstream(copy / "Resources" / "Info-gnustep.plist")
            << "{ CFBundleIdentifier = \"test.path" << c.length << "\"; NSExecutable = \"VLT650-VST\"; }\n";
        CFBundleRef bundle = bundle_at(copy.string());
        ASSERT_NE(bundle, nullptr);
        char path[1024];
        EXPECT_EQ(mac_bundle::bundle_executable_path(bundle, path), c.fits) << copy.string().size();
        if (c.fits) {
            EXPECT_EQ(std::string(path), (copy / "VLT650-VST").string());
        }
        CFRelease(bundle);
    }
}

}  // namespace
