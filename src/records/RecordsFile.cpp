#include "records/RecordsFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "settings/AtomicFile.h"
#include "settings/GameFilePaths.h"

namespace fs = std::filesystem;

namespace dusk {

RecordsFile::RecordsFile(fs::path path) : path_(std::move(path)) {}

fs::path RecordsFile::defaultPath(const char* xdgDataHome, const char* home) {
    return playerFilePath(xdgDataHome, home, fs::path(".local") / "share", "records.toml");
}

fs::path RecordsFile::defaultPath() {
    return defaultPath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

fs::path RecordsFile::badCopyPath() const { return besidePath(path_, ".bad"); }

fs::path RecordsFile::lockPath() const { return besidePath(path_, ".lock"); }

RecordsReading RecordsFile::read() const {
    RecordsReading reading;
    const std::string name = path_.string();
    const auto fault = [&](const std::string& what) {
        reading.fault = recordsProblem(name, "", what + recordsFaultConsequence);
        return reading;
    };
    std::error_code status;
    const fs::file_status kind = fs::status(path_, status);
    if (kind.type() == fs::file_type::not_found) {
        return reading;
    }
    if (kind.type() == fs::file_type::directory) {
        return fault("is a folder, not a file");
    }
    // A pipe or a device could block the game or never end.
    if (kind.type() != fs::file_type::regular) {
        return fault("is not a regular file");
    }
    errno = 0;
    std::ifstream in(path_, std::ios::binary);
    std::string text;
    if (in.is_open()) {
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (!in.is_open() || in.bad()) {
        return fault("cannot be read (" +
                     std::string(errno != 0 ? std::strerror(errno) : "read error") + ")");
    }
    return readRecordsText(text, name);
}

bool RecordsFile::fail(const std::string& what) {
    error_ = recordsProblem(path_.string(), "", "could not save (" + what + ")");
    return false;
}

bool RecordsFile::makeFolder() {
    if (path_.empty()) {
        return fail("no home folder to keep records in");
    }
    std::error_code error;
    fs::create_directories(path_.parent_path(), error);
    return error ? fail(error.message()) : true;
}

bool RecordsFile::keepBadCopy() {
    std::error_code error;
    if (!fs::is_regular_file(path_, error)) {
        return true;
    }
    error = keepFileAs(path_, badCopyPath());
    if (error) {
        return fail("the faulty file could not be kept as " + badCopyPath().string() + ": " +
                    error.message());
    }
    return true;
}

bool RecordsFile::write(const Records& records) {
    AtomicFile file(path_);
    if (!file.write(recordsText(records)) || !file.commit()) {
        return fail(file.error());
    }
    return true;
}

}  // namespace dusk
