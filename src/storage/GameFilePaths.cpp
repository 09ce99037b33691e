#include "storage/GameFilePaths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "storage/AtomicFile.h"

namespace fs = std::filesystem;

namespace dusk {

fs::path playerFilePath(const char* xdgHome, const char* home, const fs::path& homeFallback,
                        const char* fileName) {
    fs::path base;
    if (xdgHome != nullptr && fs::path(xdgHome).is_absolute()) {
        base = xdgHome;
    } else if (home != nullptr && *home != '\0') {
        base = fs::path(home) / homeFallback;
    } else {
        return {};
    }
    return base / "duskhollow" / fileName;
}

fs::path besidePath(const fs::path& path, const char* suffix) {
    fs::path beside = path;
    beside += suffix;
    return beside;
}

fs::path freeBadCopyPath(const fs::path& path) {
    constexpr int lastNumber = 999;
    for (int number = 1; number <= lastNumber; ++number) {
        const fs::path copy =
            besidePath(path, number == 1 ? ".bad" : (".bad." + std::to_string(number)).c_str());
        std::error_code error;
        if (fs::symlink_status(copy, error).type() == fs::file_type::not_found) {
            return copy;
        }
    }
    return {};
}

std::error_code keepFileAs(const fs::path& path, const fs::path& copy) {
    std::error_code error;
    const fs::path target = AtomicFile::linkTarget(path, error);
    if (!error) {
        fs::create_hard_link(target, copy, error);
    }
    if (error && error != std::errc::file_exists) {
        error.clear();
        fs::copy_file(path, copy, fs::copy_options::none, error);
    }
    return error;
}

const char* const playerFileTooLarge = "larger than 4 MB";

PlayerFileRead readPlayerFile(const fs::path& path, std::uintmax_t maxBytes, std::string& text,
                              std::string& error) {
    text.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0) {
        error = std::strerror(errno);
        if (fd >= 0) {
            ::close(fd);
        }
        return PlayerFileRead::Failed;
    }
    PlayerFileRead result = static_cast<std::uintmax_t>(info.st_size) > maxBytes
                                ? PlayerFileRead::TooLarge
                                : PlayerFileRead::Read;
    char buffer[1 << 16];
    while (result == PlayerFileRead::Read) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            error = std::strerror(errno);
            result = PlayerFileRead::Failed;
        } else if (got == 0) {
            break;
        } else if (text.size() + static_cast<std::size_t>(got) > maxBytes) {
            result = PlayerFileRead::TooLarge;
        } else {
            text.append(buffer, static_cast<std::size_t>(got));
        }
    }
    ::close(fd);
    if (result != PlayerFileRead::Read) {
        text.clear();
    }
    return result;
}

PlayerFileText readPlayerFileText(const fs::path& path) {
    PlayerFileText file;
    std::error_code status;
    const fs::file_status kind = fs::status(path, status);
    if (kind.type() == fs::file_type::not_found) {
        return file;
    }
    file.outcome = PlayerFileText::Outcome::Fault;
    if (status) {  // a folder on the way that may not be searched, a loop of links, ...
        file.fault = "cannot be read (" + status.message() + ")";
    } else if (kind.type() == fs::file_type::directory) {
        file.fault = "is a folder, not a file";
    } else if (kind.type() != fs::file_type::regular) {
        file.fault = "is not a regular file";
    } else {
        file.regular = true;
        std::string error;
        switch (readPlayerFile(path, maxPlayerFileBytes, file.text, error)) {
            case PlayerFileRead::Read:
                file.outcome = PlayerFileText::Outcome::Read;
                break;
            case PlayerFileRead::TooLarge:
                file.outcome = PlayerFileText::Outcome::TooLarge;
                break;
            case PlayerFileRead::Failed:
                file.fault = "cannot be read (" + error + ")";
                break;
        }
    }
    return file;
}

}  // namespace dusk
