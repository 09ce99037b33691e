#include "settings/GameFilePaths.h"

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

}  // namespace dusk
