#include "settings/SettingsStore.h"

#include "base/Console.h"

namespace dusk {

SettingsStore::SettingsStore() : file_(SettingsFile::defaultPath()) {}

void SettingsStore::load(const std::filesystem::path& file) {
    file_ = SettingsFile(file);
    const SettingsReading reading = file_.read();
    for (const std::string& line : reading.problems) {
        printLine(line);
    }
    inFile_ = reading.values;
    current_ = reading.values;
    forced_ = ForcedSettings();
}

void SettingsStore::force(const ForcedSettings& forced) {
    forced_ = forced;
    current_.fullscreen = current_.fullscreen || forced.fullscreen;
    current_.vsync = current_.vsync || forced.vsync;
    current_.difficulty = forced.difficulty.value_or(current_.difficulty);
}

UserSettings SettingsStore::valuesToSave() const {
    UserSettings values = current_;
    if (forced_.fullscreen && values.fullscreen) {
        values.fullscreen = inFile_.fullscreen;
    }
    if (forced_.vsync && values.vsync) {
        values.vsync = inFile_.vsync;
    }
    if (forced_.difficulty == values.difficulty) {
        values.difficulty = inFile_.difficulty;
    }
    return values;
}

bool SettingsStore::save() {
    const UserSettings values = valuesToSave();
    if (values == inFile_) {
        return true;
    }
    if (!file_.save(values)) {
        printLine(file_.error());
        return false;
    }
    inFile_ = values;
    return true;
}

namespace settings {

SettingsStore& store() {
    static SettingsStore theStore;
    return theStore;
}

UserSettings& current() { return store().current(); }

bool save() { return store().save(); }

void reset() { store() = SettingsStore(); }

}  // namespace settings

}  // namespace dusk
