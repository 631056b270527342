// The installer's files in a folder every user can write to (/tmp). None is
// ever opened through a symlink or removed unless it is ours. The payload is
// created fresh in a folder readable by us alone, so no other user can plant
// or swap it; the lock may be another's file, which is then only held.
#pragma once

#include <sys/types.h>

#include <atomic>
#include <string>

// The single-instance lock: held by a live run through flock on the file,
// so the file of a run that was killed or crashed blocks nobody. The file
// is readable by all (0644), so every user's run can tell a held lock from
// a stale one.
class CLockFile {
public:
    enum state_t {
        acquired,            // this run holds it
        held_by_other,       // a run of ours holds it, or we left an odd file there
        held_by_other_user,  // another user's file, held or not to be opened
        unavailable          // no lock can be had (no /tmp, say): the run goes on without
    };

    ~CLockFile() { release(); }
    state_t acquire(const std::string& path);
    // Removes the file when this run made it (or took over its own stale
    // one) and it is still the same file, then lets go of the lock.
    void release();
    bool holds() const { return fd_ >= 0; }
    // The owner of the file found there, after held_by_other(_user).
    uid_t holder_uid() const { return holder_; }

private:
    int fd_ = -1;
    dev_t dev_ = 0;
    ino_t ino_ = 0;
    bool remove_at_release_ = false;
    uid_t holder_ = 0;
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
    // Why the last write failed (an errno value; 0 after an abort).
    int error() const { return error_; }

private:
    std::string dir_, file_;
    int error_ = 0;
};
