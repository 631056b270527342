// The installer's files in a folder every user can write to (/tmp). Each
// is created fresh, never through a symlink, readable by us alone, and
// checked to be ours, so no other user can plant or swap one.
#pragma once

#include <sys/types.h>

#include <atomic>
#include <string>

// The single-instance lock: only its existence matters to other runs.
class CLockFile {
public:
    enum state_t { created, held_by_other, unavailable };

    ~CLockFile() { release(); }
    state_t acquire(const std::string& path);
    // Removes the file, only when this run made it and it is still the same file.
    void release();
    bool holds() const { return fd_ >= 0; }

private:
    int fd_ = -1;
    dev_t dev_ = 0;
    ino_t ino_ = 0;
    std::string path_;
};

// The unpacked payload, in a private folder made with mkdtemp.
class CPayloadFile {
public:
    using progress_fn = void (*)(double fraction, void* user);

    ~CPayloadFile() { remove(); }
    // Writes data into base_dir/qelm-installer-XXXXXX/<name>, checking every
    // write and the close; progress is reported every `chunk` bytes, with a
    // pause of `pause_us` after each report. 0 on success; 1 on any failure
    // or abort, with nothing left behind.
    int write(const std::string& base_dir, const std::string& name, const unsigned char* data, size_t size,
              const std::atomic<int>* abort_requested, progress_fn progress = nullptr, void* user = nullptr,
              size_t chunk = 8192, unsigned pause_us = 0);
    void remove();
    const std::string& path() const { return file_; }
    const std::string& folder() const { return dir_; }

private:
    std::string dir_, file_;
};
