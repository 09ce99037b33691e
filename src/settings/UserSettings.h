#pragma once
// The player's options: what the settings file holds, the settings menu
// changes and the command line can force for one run. A default-constructed
// value is the game as it has always been.
#include <optional>
#include <string>

#include "settings/EnumTable.h"
#include "settings/KeyBindings.h"

namespace dusk {

enum class GraphicsQuality {
    Exact,  // every pass every frame, 4096 x 4096 shadow map
    Fast,   // the same picture: the shadow map and mipmaps only when needed
    Low,    // Fast with a 1024 x 1024 shadow map, drawn at half the window's size
};

inline constexpr EnumTable<GraphicsQuality, 3> graphicsQualities = {{
    {GraphicsQuality::Exact, "Exact", "Exact"},
    {GraphicsQuality::Fast, "Fast", "Fast"},
    {GraphicsQuality::Low, "Low", "Low"},
}};

// "Exact", "Fast", "Low".
const char* graphicsQualityName(GraphicsQuality quality);
// The quality named, ignoring letter case; nothing for another word.
std::optional<GraphicsQuality> graphicsQualityNamed(const std::string& name);

// The difficulty the rounds play by; Standard is the game's own rules.
enum class DifficultyLevel { Relaxed, Standard, Hard };

inline constexpr EnumTable<DifficultyLevel, 3> difficultyLevels = {{
    {DifficultyLevel::Relaxed, "Relaxed", "Relaxed"},
    {DifficultyLevel::Standard, "Standard", "Standard"},
    {DifficultyLevel::Hard, "Hard", "Hard"},
}};

// "Relaxed", "Standard", "Hard".
const char* difficultyLevelName(DifficultyLevel level);
// The level named, ignoring letter case; nothing for another word.
std::optional<DifficultyLevel> difficultyLevelNamed(const std::string& name);

// When the first-time player's tips show: while the records hold no
// frightened kid yet, always, or never.
enum class TipsMode { Auto, On, Off };

inline constexpr EnumTable<TipsMode, 3> tipsModes = {{
    {TipsMode::Auto, "auto", "Auto (until a first kid)"},
    {TipsMode::On, "on", "On"},
    {TipsMode::Off, "off", "Off"},
}};

// "auto", "on", "off".
const char* tipsModeName(TipsMode mode);
// The mode named, ignoring letter case; nothing for another word.
std::optional<TipsMode> tipsModeNamed(const std::string& name);

struct UserSettings {
    static constexpr double minMouseSensitivity = 0.0005;  // radians per pixel
    static constexpr double maxMouseSensitivity = 0.008;
    static constexpr double minFieldOfView = 50.0;  // degrees, vertical
    static constexpr double maxFieldOfView = 100.0;
    static constexpr int frameCaps[] = {0, 30, 60, 120, 144};  // 0: no cap
    static constexpr int maxWindowSide = 32767;
    static constexpr double minGamepadLookSpeed = 30.0;  // degrees a second at full tilt
    static constexpr double maxGamepadLookSpeed = 360.0;
    static constexpr double maxGamepadDeadZone = 0.9;  // of the stick's reach
    static constexpr double minRenderScale = 0.5;      // of the window's width and height
    static constexpr double maxRenderScale = 1.0;
    static constexpr double lowRenderScale = 0.5;  // Low's, unless the player set one

    double mouseSensitivity = 0.002;
    bool invertLook = false;
    double fieldOfView = 60.0;
    bool vsync = false;
    int frameCap = 0;
    bool fullscreen = false;
    GraphicsQuality graphicsQuality = GraphicsQuality::Exact;
    bool hud = true;
    double masterVolume = 1.0;  // 0..1
    // The window size; used only when both are given.
    std::optional<int> width;
    std::optional<int> height;
    KeyBindings keys;
    double gamepadLookSpeed = 120.0;
    double gamepadDeadZone = 0.2;  // 0..0.9: tilts up to this do nothing
    // The fraction of the window's size the scene is drawn at (0.5..1); unset
    // until the player sets one.
    std::optional<double> renderScale;
    // Rounds play by it from the next one on.
    DifficultyLevel difficulty = DifficultyLevel::Standard;
    // Who sees the player, drawn over the picture.
    bool detectionMarkers = true;
    // What the player hears, written at the bottom of the view.
    bool captions = false;
    TipsMode tips = TipsMode::Auto;
    // Where each kid looks, on the ground; unset until the player sets it
    // (then on at Relaxed only, see sightAreasAt).
    std::optional<bool> sightAreas;

    // The field of view in radians as the projection takes it: 60 degrees
    // gives 1.0471975803375244f.
    float fieldOfViewRadians() const;
    // The camera's turn per pixel of cursor offset.
    float mouseSpeed() const { return static_cast<float>(mouseSensitivity); }
    // The scale the scene is drawn at: the player's, else 0.5 at Low and 1
    // otherwise.
    float renderScaleInUse() const;
    // Whether the sight areas show in a round of that difficulty: the
    // player's choice, else on at Relaxed and off at Standard and Hard.
    bool sightAreasAt(DifficultyLevel level) const;

    bool operator==(const UserSettings& other) const;
    bool operator!=(const UserSettings& other) const { return !(*this == other); }
};

bool frameCapAllowed(long long cap);

}  // namespace dusk
