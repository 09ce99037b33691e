#pragma once
// The settings file on disk: where it is, reading it, and writing it back
// without ever leaving a half-written file. A file with faults is kept as it
// was until the first save, which puts it beside the new one as
// "settings.toml.bad" (or the first free ".bad.N"). A file larger than
// maxPlayerFileBytes is not read, and never written.
#include <filesystem>
#include <string>

#include "settings/SettingsText.h"

namespace dusk {

class SettingsFile {
public:
    explicit SettingsFile(std::filesystem::path path);

    // "$XDG_CONFIG_HOME/duskhollow/settings.toml"; "~/.config/duskhollow/
    // settings.toml" when XDG_CONFIG_HOME is unset, empty or not absolute.
    // Empty when no home folder is known either.
    static std::filesystem::path defaultPath(const char* xdgConfigHome, const char* home);
    // The same from this process's environment.
    static std::filesystem::path defaultPath();

    // A missing file gives the defaults and no problem; a file that cannot be
    // read, or has faults, gives the defaults for what is wrong and a line
    // for each fault.
    SettingsReading read();
    // Writes the values atomically, creating the folder if need be. After a
    // read that found faults, the faulty file is first kept as
    // keptAs(). The graphics quality is written only withQuality. False on
    // failure, with error() set to a line to print; true, writing nothing,
    // for a file too large to read.
    bool save(const UserSettings& values, bool withQuality = true);

    const std::filesystem::path& path() const { return path_; }
    // The name the faulty file was kept under by the last save; empty when
    // none was kept.
    const std::filesystem::path& keptAs() const { return keptAs_; }
    const std::string& error() const { return error_; }
    // Whether the next save keeps the present file as the bad copy first.
    bool keepsFaultyFile() const { return faulty_; }

private:
    bool fail(const std::string& what);
    bool keepFaultyFile();

    std::filesystem::path path_;
    bool faulty_ = false;
    bool tooLarge_ = false;
    std::filesystem::path keptAs_;
    std::string error_;
};

}  // namespace dusk
