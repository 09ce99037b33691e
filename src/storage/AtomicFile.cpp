#include "storage/AtomicFile.h"

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

std::filesystem::path AtomicFile::linkTarget(const std::filesystem::path& path,
                                             std::error_code& error) {
    namespace fs = std::filesystem;
    constexpr int maxLinks = 40;  // as the kernel's own limit
    fs::path target = path;
    for (int link = 0; link <= maxLinks; ++link) {
        const fs::file_status status = fs::symlink_status(target, error);
        if (status.type() == fs::file_type::not_found) {
            error.clear();
        }
        if (error || status.type() != fs::file_type::symlink) {
            return error ? fs::path() : target;
        }
        const fs::path next = fs::read_symlink(target, error);
        if (error) {
            return {};
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return {};
}

bool AtomicFile::write(const std::string& bytes) {
    std::error_code error;
    target_ = linkTarget(path_, error);
    if (error) {
        error_ = error.message();
        return false;
    }
    // One temporary name per process: no other writer uses it at the same
    // time, and one left by a crashed run is simply replaced.
    const std::string name = target_.string() + ".tmp-" + std::to_string(::getpid());
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
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        return fail();
    }
    temporary_.clear();
    syncFolder(target_.parent_path());
    return true;
}

}  // namespace dusk
