#include "settings/SettingsFile.h"

#include <cstdlib>

#include "storage/AtomicFile.h"
#include "storage/GameFilePaths.h"

namespace fs = std::filesystem;

namespace dusk {

SettingsFile::SettingsFile(fs::path path) : path_(std::move(path)) {}

fs::path SettingsFile::defaultPath(const char* xdgConfigHome, const char* home) {
    return playerFilePath(xdgConfigHome, home, ".config", "settings.toml");
}

fs::path SettingsFile::defaultPath() {
    return defaultPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

SettingsReading SettingsFile::read() {
    SettingsReading reading;
    const std::string name = path_.string();
    tooLarge_ = false;
    std::error_code status;
    const fs::file_status kind = fs::status(path_, status);
    if (kind.type() == fs::file_type::not_found) {
        faulty_ = false;
        return reading;
    }
    faulty_ = true;
    // A folder on the way that may not be searched, a loop of links, ...
    if (status) {
        reading.problems.push_back(settingsProblem(
            name, "", "cannot be read (" + status.message() + "); using the defaults"));
        return reading;
    }
    if (kind.type() == fs::file_type::directory) {
        reading.problems.push_back(
            settingsProblem(name, "", "is a folder, not a file; using the defaults"));
        return reading;
    }
    // A pipe or a device could block the start or never end.
    if (kind.type() != fs::file_type::regular) {
        reading.problems.push_back(
            settingsProblem(name, "", "is not a regular file; using the defaults"));
        return reading;
    }
    std::string text;
    std::string why;
    const PlayerFileRead read = readPlayerFile(path_, maxPlayerFileBytes, text, why);
    if (read == PlayerFileRead::TooLarge) {
        tooLarge_ = true;
        reading.problems.push_back(settingsProblem(
            name, "",
            "is " + std::string(playerFileTooLarge) +
                "; using the defaults, and changes are not saved (the file is left as it is)"));
        return reading;
    }
    if (read == PlayerFileRead::Failed) {
        reading.problems.push_back(
            settingsProblem(name, "", "cannot be read (" + why + "); using the defaults"));
        return reading;
    }
    reading = readSettingsText(text, name);
    faulty_ = !reading.problems.empty();
    return reading;
}

bool SettingsFile::fail(const std::string& what) {
    error_ = settingsProblem(path_.string(), "", "could not save (" + what + ")");
    return false;
}

bool SettingsFile::keepFaultyFile() {
    const fs::path copy = freeBadCopyPath(path_);
    if (copy.empty()) {
        return fail("the faulty file could not be kept: every name for a bad copy is taken");
    }
    const std::error_code error = keepFileAs(path_, copy);
    if (error) {
        return fail("the faulty file could not be kept as " + copy.string() + ": " +
                    error.message());
    }
    keptAs_ = copy;
    return true;
}

bool SettingsFile::save(const UserSettings& values, bool withQuality) {
    keptAs_.clear();
    if (tooLarge_) {
        return true;
    }
    if (path_.empty()) {
        return fail("no home folder to keep settings in");
    }
    std::error_code error;
    fs::create_directories(path_.parent_path(), error);
    if (error) {
        return fail(error.message());
    }
    const bool faultyFileThere = faulty_ && fs::is_regular_file(path_, error);
    if (faultyFileThere && !keepFaultyFile()) {
        return false;
    }
    AtomicFile file(path_);
    if (!file.write(settingsText(values, withQuality)) || !file.commit()) {
        return fail(file.error());
    }
    faulty_ = false;
    return true;
}

}  // namespace dusk
