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
    const PlayerFileText file = readPlayerFileText(path_);
    tooLarge_ = file.outcome == PlayerFileText::Outcome::TooLarge;
    faulty_ = file.outcome != PlayerFileText::Outcome::Missing;
    switch (file.outcome) {
        case PlayerFileText::Outcome::Missing:
            break;
        case PlayerFileText::Outcome::Read:
            reading = readSettingsText(file.text, name);
            faulty_ = !reading.problems.empty();
            break;
        case PlayerFileText::Outcome::TooLarge:
            reading.problems.push_back(settingsProblem(
                name, "",
                "is " + std::string(playerFileTooLarge) +
                    "; using the defaults, and changes are not saved (the file is left as it is)"));
            break;
        case PlayerFileText::Outcome::Fault:
            reading.problems.push_back(
                settingsProblem(name, "", file.fault + "; using the defaults"));
            break;
    }
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
