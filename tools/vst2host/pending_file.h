#pragma once
// A file written beside its target and put in place only when complete:
// a write that fails part-way (disk full, size limit) leaves whatever was
// at the target untouched and no partial file behind.
#include <string>

namespace vst2host {

class PendingFile {
public:
    // Creates a hidden temporary file in the target's folder.
    explicit PendingFile(const std::string& target);
    ~PendingFile();  // removes the temporary file unless committed
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // The descriptor to write to; -1 when the file could not be created.
    int fd() const { return fd_; }
    // Why the file could not be created or committed.
    const std::string& error() const { return error_; }

    // Closes the file and renames it over the target; false with error().
    bool commit();

private:
    bool fail(const std::string& what);

    std::string target_;
    std::string temp_;
    std::string error_;
    int fd_ = -1;
    bool committed_ = false;
};

}  // namespace vst2host
