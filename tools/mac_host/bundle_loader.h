#pragma once
// Loads a plug-in bundle the way a macOS host does: through CFBundle, so
// the bundle is known by its identifier while its initializers run.
#include <CoreFoundation/CoreFoundation.h>

#include <string>

namespace mac_host {

class LoadedBundle {
public:
    LoadedBundle() = default;
    ~LoadedBundle();
    LoadedBundle(LoadedBundle&& other) noexcept;
    LoadedBundle& operator=(LoadedBundle&&) = delete;
    LoadedBundle(const LoadedBundle&) = delete;

    explicit operator bool() const { return bundle_ != nullptr; }
    CFBundleRef ref() const { return bundle_; }
    void* symbol(const char* name) const;
    std::string executablePath() const;
    // Why the last load failed, for the host's log.
    const std::string& error() const { return error_; }

    friend LoadedBundle load_bundle(const std::string& path);

private:
    CFBundleRef bundle_ = nullptr;
    std::string error_;
};

// The bundle at path (a .vst or .vst3 folder) with its executable loaded;
// false with error() set when that fails.
LoadedBundle load_bundle(const std::string& path);

}  // namespace mac_host
