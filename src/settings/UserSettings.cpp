#include "settings/UserSettings.h"

#include <algorithm>
#include <cctype>

namespace dusk {

namespace {

bool sameWord(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

}  // namespace

const char* graphicsQualityName(GraphicsQuality quality) {
    switch (quality) {
        case GraphicsQuality::Fast:
            return "Fast";
        case GraphicsQuality::Low:
            return "Low";
        default:
            return "Exact";
    }
}

std::optional<GraphicsQuality> graphicsQualityNamed(const std::string& name) {
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (GraphicsQuality quality :
         {GraphicsQuality::Exact, GraphicsQuality::Fast, GraphicsQuality::Low}) {
        std::string known = graphicsQualityName(quality);
        std::transform(known.begin(), known.end(), known.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (lower == known) {
            return quality;
        }
    }
    return std::nullopt;
}

const char* difficultyLevelName(DifficultyLevel level) {
    switch (level) {
        case DifficultyLevel::Relaxed:
            return "Relaxed";
        case DifficultyLevel::Hard:
            return "Hard";
        default:
            return "Standard";
    }
}

std::optional<DifficultyLevel> difficultyLevelNamed(const std::string& name) {
    for (DifficultyLevel level :
         {DifficultyLevel::Relaxed, DifficultyLevel::Standard, DifficultyLevel::Hard}) {
        if (sameWord(name, difficultyLevelName(level))) {
            return level;
        }
    }
    return std::nullopt;
}

const char* tipsModeName(TipsMode mode) {
    switch (mode) {
        case TipsMode::On:
            return "on";
        case TipsMode::Off:
            return "off";
        default:
            return "auto";
    }
}

std::optional<TipsMode> tipsModeNamed(const std::string& name) {
    for (TipsMode mode : {TipsMode::Auto, TipsMode::On, TipsMode::Off}) {
        if (sameWord(name, tipsModeName(mode))) {
            return mode;
        }
    }
    return std::nullopt;
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
