#include "settings/UserSettings.h"

#include <algorithm>
#include <cctype>

namespace dusk {

const char* graphicsQualityName(GraphicsQuality quality) {
    return entryOf(graphicsQualities, quality).name;
}

std::optional<GraphicsQuality> graphicsQualityNamed(const std::string& name) {
    return valueNamed(graphicsQualities, name, true);
}

const char* difficultyLevelName(DifficultyLevel level) {
    return entryOf(difficultyLevels, level).name;
}

std::optional<DifficultyLevel> difficultyLevelNamed(const std::string& name) {
    return valueNamed(difficultyLevels, name, true);
}

const char* tipsModeName(TipsMode mode) { return entryOf(tipsModes, mode).name; }

std::optional<TipsMode> tipsModeNamed(const std::string& name) {
    return valueNamed(tipsModes, name, true);
}

bool UserSettings::sightAreasAt(DifficultyLevel level) const {
    return sightAreas.value_or(level == DifficultyLevel::Relaxed);
}

float UserSettings::fieldOfViewRadians() const {
    return static_cast<float>(fieldOfView * 3.14159265358979323846 / 180.0);
}

float UserSettings::renderScaleInUse() const {
    const double fallback = graphicsQuality == GraphicsQuality::Low ? lowRenderScale : 1.0;
    return static_cast<float>(renderScale.value_or(fallback));
}

bool UserSettings::operator==(const UserSettings& other) const {
    return mouseSensitivity == other.mouseSensitivity && invertLook == other.invertLook &&
           fieldOfView == other.fieldOfView && vsync == other.vsync && frameCap == other.frameCap &&
           fullscreen == other.fullscreen && graphicsQuality == other.graphicsQuality &&
           hud == other.hud && masterVolume == other.masterVolume && width == other.width &&
           height == other.height && keys == other.keys &&
           gamepadLookSpeed == other.gamepadLookSpeed && gamepadDeadZone == other.gamepadDeadZone &&
           renderScale == other.renderScale && difficulty == other.difficulty &&
           detectionMarkers == other.detectionMarkers && captions == other.captions &&
           tips == other.tips && sightAreas == other.sightAreas;
}

bool frameCapAllowed(long long cap) {
    return std::find(std::begin(UserSettings::frameCaps), std::end(UserSettings::frameCaps), cap) !=
           std::end(UserSettings::frameCaps);
}

}  // namespace dusk
