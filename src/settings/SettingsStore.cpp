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
    loadLines_ = reading.problems;
    inFile_ = reading.values;
    current_ = reading.values;
    forced_ = ForcedSettings();
    qualityChosen_ = reading.qualityGiven;
    machineQuality_.reset();
}

bool SettingsStore::takeMachineQuality(GraphicsQuality quality) {
    if (qualityChosen_) {
        return false;
    }
    machineQuality_ = quality;
    current_.graphicsQuality = quality;
    // As though the file had it: taking it is no change to write.
    inFile_.graphicsQuality = quality;
    return true;
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
    // Every change is saved as it is made, so a quality other than the
    // machine's is one the player chose; from then on it is theirs.
    qualityChosen_ =
        qualityChosen_ || !machineQuality_ || values.graphicsQuality != *machineQuality_;
    if (values == inFile_) {
        return true;
    }
    if (!file_.save(values, qualityChosen_)) {
        printLine(file_.error());
        return false;
    }
    if (!file_.keptAs().empty()) {
        printLine(
            settingsProblem(file_.path().string(), "",
                            "the faulty file is kept as " + file_.keptAs().filename().string()));
    }
    inFile_ = values;
    return true;
}

}  // namespace dusk
