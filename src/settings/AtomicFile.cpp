#include "settings/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace dusk {

namespace {

bool writeAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        done += static_cast<size_t>(written);
    }
    return true;
}

// Makes the rename itself durable; a folder that cannot be synced changes
// nothing about the file being whole.
void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

AtomicFile::AtomicFile(std::filesystem::path path) : path_(std::move(path)) {}

AtomicFile::~AtomicFile() {
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
    }
}

bool AtomicFile::fail() {
    error_ = std::strerror(errno);
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
    return false;
}

bool AtomicFile::write(const std::string& bytes) {
    // One temporary name per process: no other writer uses it at the same
    // time, and one left by a crashed run is simply replaced.
    const std::string name = path_.string() + ".tmp-" + std::to_string(::getpid());
    const int fd =
        ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0) {
        return fail();
    }
    temporary_ = name;
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int savedErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        errno = written ? errno : savedErrno;
        return fail();
    }
    return true;
}

bool AtomicFile::commit() {
    if (temporary_.empty()) {
        error_ = "nothing was written";
        return false;
    }
    if (std::rename(temporary_.c_str(), path_.c_str()) != 0) {
        return fail();
    }
    temporary_.clear();
    syncFolder(path_.parent_path());
    return true;
}

}  // namespace dusk
