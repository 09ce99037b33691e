#include "storage/KeptFile.h"

#include <fcntl.h>
#include <unistd.h>

namespace dusk {

namespace {

bool same(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

}  // namespace

KeptFile::~KeptFile() { forget(); }

void KeptFile::forget() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

bool KeptFile::keep(const std::filesystem::path& path) {
    forget();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    if (::fstat(fd, &noted_) != 0 || !S_ISREG(noted_.st_mode)) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

bool KeptFile::unchanged(const std::filesystem::path& path) const {
    struct stat now {};
    struct stat kept {};
    // The kept descriptor's own view too: a write through another name
    // (a hard link) changes its size or time.
    return fd_ >= 0 && ::stat(path.c_str(), &now) == 0 && ::fstat(fd_, &kept) == 0 &&
           same(now, noted_) && same(kept, noted_);
}

}  // namespace dusk
