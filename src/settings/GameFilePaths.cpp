#include "settings/GameFilePaths.h"

#include "settings/AtomicFile.h"

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

std::error_code keepFileAs(const fs::path& path, const fs::path& copy) {
    std::error_code error;
    fs::remove(copy, error);
    const fs::path target = AtomicFile::linkTarget(path, error);
    if (!error) {
        fs::create_hard_link(target, copy, error);
    }
    if (error) {
        error.clear();
        fs::copy_file(path, copy, fs::copy_options::overwrite_existing, error);
    }
    return error;
}

}  // namespace dusk
