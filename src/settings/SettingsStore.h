#pragma once
// The settings of this run: start-up loads them, the session owns them.
//
//   SettingsStore store;
//   store.load(SettingsFile::defaultPath());
//   const UserSettings& s = store.current();   // read
//   store.current().fieldOfView = 75.0;        // change ...
//   store.save();                              // ... and keep it
//
// Options given on the command line hold for this run only: while such a
// value is unchanged, a save writes what the file had for it.
//
// The graphics quality may also come from the machine (a lighter one where
// OpenGL is a software rasteriser): such a default is used only while the
// player has chosen no quality (none in the file, none changed since), and a
// save leaves it out of the file.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "settings/SettingsFile.h"
#include "settings/UserSettings.h"

namespace dusk {

// What the command line forces on for one run.
struct ForcedSettings {
    bool fullscreen = false;
    bool vsync = false;
    std::optional<DifficultyLevel> difficulty;
};

class SettingsStore {
public:
    SettingsStore();

    // Reads the file, prints a line for each fault it finds, and makes its
    // values (defaults where it has none) the current ones.
    void load(const std::filesystem::path& file);
    // The lines the last load printed, in order.
    const std::vector<std::string>& loadLines() const { return loadLines_; }
    void force(const ForcedSettings& forced);
    // Makes quality the current one unless the player has chosen a quality;
    // true when it did. The file is not written for it.
    bool takeMachineQuality(GraphicsQuality quality);
    // Whether the current quality is the player's: read from the file or
    // changed in a save since the machine's default was taken.
    bool qualityChosen() const { return qualityChosen_; }

    UserSettings& current() { return current_; }
    // Writes the current values (see above) when they differ from what was
    // read or last written; so a faulty file stays as it is until a setting
    // really changes, and a line then says the name it is kept under.
    // False after a failure, whose line has been printed.
    bool save();

    const SettingsFile& file() const { return file_; }
    // The values a save writes.
    UserSettings valuesToSave() const;

private:
    SettingsFile file_;
    UserSettings inFile_;
    UserSettings current_;
    ForcedSettings forced_;
    std::vector<std::string> loadLines_;
    bool qualityChosen_ = false;
    std::optional<GraphicsQuality> machineQuality_;  // the default taken, if any
};

}  // namespace dusk
