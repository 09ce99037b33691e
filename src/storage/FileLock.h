#pragma once
// An exclusive lock shared by every game on the machine: flock on a lock
// file (created when missing, never removed). Games that change the same
// file take it first, so one read-change-write never interleaves another.
//
//   FileLock lock(folder / "records.toml.lock", std::chrono::seconds(2));
//   if (!lock.locked()) { ... lock.error() ... }
#include <chrono>
#include <filesystem>
#include <string>

namespace dusk {

class FileLock {
public:
    // Waits at most `timeout` for the lock (a game stopped while holding it
    // must not hang this one).
    FileLock(const std::filesystem::path& path, std::chrono::milliseconds timeout);
    // Releases the lock.
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool locked() const { return locked_; }
    // Why the lock was not taken, e.g. "Permission denied".
    const std::string& error() const { return error_; }

private:
    int fd_ = -1;
    bool locked_ = false;
    std::string error_;
};

}  // namespace dusk
