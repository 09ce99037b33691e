#include "settings/SettingsKeys.h"

#include <toml++/toml.h>

#include "storage/FileLines.h"

namespace dusk {

namespace {

std::optional<double> number(const toml::node& node) {
    if (const auto* integer = node.as_integer()) {
        return static_cast<double>(integer->get());
    }
    if (const auto* floating = node.as_floating_point()) {
        return floating->get();
    }
    return std::nullopt;
}

bool numberIn(const toml::node& node, double low, double high, double& into) {
    const std::optional<double> value = number(node);
    if (!value || !(*value >= low && *value <= high)) {
        return false;
    }
    into = *value;
    return true;
}

bool scaleIn(const toml::node& node, std::optional<double>& into) {
    double scale = 0.0;
    if (!numberIn(node, UserSettings::minRenderScale, UserSettings::maxRenderScale, scale)) {
        return false;
    }
    into = scale;
    return true;
}

bool boolean(const toml::node& node, bool& into) {
    if (const auto* value = node.as_boolean()) {
        into = value->get();
        return true;
    }
    return false;
}

bool windowSide(const toml::node& node, std::optional<int>& into) {
    const auto* value = node.as_integer();
    if (value == nullptr || value->get() < 1 || value->get() > UserSettings::maxWindowSide) {
        return false;
    }
    into = static_cast<int>(value->get());
    return true;
}

std::string boolText(bool value) { return value ? "true" : "false"; }

// A default as the messages show it: shortest, without a point for a whole number.
std::string defaultNumber(double value) {
    std::string text = decimal(value);
    if (text.size() > 2 && text.compare(text.size() - 2, 2, ".0") == 0) {
        text.resize(text.size() - 2);
    }
    return text;
}

template <typename E, std::size_t N>
bool named(const toml::node& node, const EnumTable<E, N>& table, E& into) {
    const auto* text = node.as_string();
    const std::optional<E> value = text ? valueNamed(table, text->get(), true) : std::nullopt;
    into = value.value_or(into);
    return value.has_value();
}

template <typename E, std::size_t N>
std::string quotedName(const EnumTable<E, N>& table, E value) {
    return "\"" + std::string(entryOf(table, value).name) + "\"";
}

using Text = std::optional<std::string>;

const UserSettings defaults;

}  // namespace

const std::vector<SettingsKey>& settingsKeys() {
    static const std::vector<SettingsKey> keys = {
        {"mouse_sensitivity", "a number from 0.0005 to 0.008",
         [] { return defaultNumber(defaults.mouseSensitivity); },
         [](const toml::node& n, UserSettings& s) {
             return numberIn(n, UserSettings::minMouseSensitivity,
                             UserSettings::maxMouseSensitivity, s.mouseSensitivity);
         },
         [](const UserSettings& s) -> Text { return decimal(s.mouseSensitivity); }},
        {"invert_look", "true or false", [] { return boolText(defaults.invertLook); },
         [](const toml::node& n, UserSettings& s) { return boolean(n, s.invertLook); },
         [](const UserSettings& s) -> Text { return boolText(s.invertLook); }},
        {"field_of_view", "a number from 50 to 100",
         [] { return defaultNumber(defaults.fieldOfView); },
         [](const toml::node& n, UserSettings& s) {
             return numberIn(n, UserSettings::minFieldOfView, UserSettings::maxFieldOfView,
                             s.fieldOfView);
         },
         [](const UserSettings& s) -> Text { return decimal(s.fieldOfView); }},
        {"vsync", "true or false", [] { return boolText(defaults.vsync); },
         [](const toml::node& n, UserSettings& s) { return boolean(n, s.vsync); },
         [](const UserSettings& s) -> Text { return boolText(s.vsync); }},
        {"frame_cap", "0, 30, 60, 120 or 144", [] { return std::to_string(defaults.frameCap); },
         [](const toml::node& n, UserSettings& s) {
             const auto* value = n.as_integer();
             if (value == nullptr || !frameCapAllowed(value->get())) {
                 return false;
             }
             s.frameCap = static_cast<int>(value->get());
             return true;
         },
         [](const UserSettings& s) -> Text { return std::to_string(s.frameCap); }},
        {"fullscreen", "true or false", [] { return boolText(defaults.fullscreen); },
         [](const toml::node& n, UserSettings& s) { return boolean(n, s.fullscreen); },
         [](const UserSettings& s) -> Text { return boolText(s.fullscreen); }},
        {"graphics_quality", quotedNames(graphicsQualities),
         [] {
             return quotedName(graphicsQualities, defaults.graphicsQuality) + " (" +
                    quotedName(graphicsQualities, GraphicsQuality::Fast) +
                    " with software rendering)";
         },
         [](const toml::node& n, UserSettings& s) {
             return named(n, graphicsQualities, s.graphicsQuality);
         },
         [](const UserSettings& s) -> Text {
             return quotedName(graphicsQualities, s.graphicsQuality);
         }},
        {"hud", "true or false", [] { return boolText(defaults.hud); },
         [](const toml::node& n, UserSettings& s) { return boolean(n, s.hud); },
         [](const UserSettings& s) -> Text { return boolText(s.hud); }},
        {"master_volume", "a number from 0 to 1",
         [] { return defaultNumber(defaults.masterVolume); },
         [](const toml::node& n, UserSettings& s) { return numberIn(n, 0.0, 1.0, s.masterVolume); },
         [](const UserSettings& s) -> Text { return decimal(s.masterVolume); }},
        {"gamepad_look_speed", "a number from 30 to 360",
         [] { return defaultNumber(defaults.gamepadLookSpeed); },
         [](const toml::node& n, UserSettings& s) {
             return numberIn(n, UserSettings::minGamepadLookSpeed,
                             UserSettings::maxGamepadLookSpeed, s.gamepadLookSpeed);
         },
         [](const UserSettings& s) -> Text { return decimal(s.gamepadLookSpeed); }},
        {"gamepad_dead_zone", "a number from 0 to 0.9",
         [] { return defaultNumber(defaults.gamepadDeadZone); },
         [](const toml::node& n, UserSettings& s) {
             return numberIn(n, 0.0, UserSettings::maxGamepadDeadZone, s.gamepadDeadZone);
         },
         [](const UserSettings& s) -> Text { return decimal(s.gamepadDeadZone); }},
        {"render_scale", "a number from 0.5 to 1",
         [] { return "1 (0.5 at " + quotedName(graphicsQualities, GraphicsQuality::Low) + ")"; },
         [](const toml::node& n, UserSettings& s) { return scaleIn(n, s.renderScale); },
         [](const UserSettings& s) -> Text {
             return s.renderScale ? Text(decimal(*s.renderScale)) : std::nullopt;
         }},
        {"difficulty", quotedNames(difficultyLevels),
         [] { return quotedName(difficultyLevels, defaults.difficulty); },
         [](const toml::node& n, UserSettings& s) {
             return named(n, difficultyLevels, s.difficulty);
         },
         [](const UserSettings& s) -> Text { return quotedName(difficultyLevels, s.difficulty); }},
        {"detection_markers", "true or false", [] { return boolText(defaults.detectionMarkers); },
         [](const toml::node& n, UserSettings& s) { return boolean(n, s.detectionMarkers); },
         [](const UserSettings& s) -> Text { return boolText(s.detectionMarkers); }},
        {"captions", "true or false", [] { return boolText(defaults.captions); },
         [](const toml::node& n, UserSettings& s) { return boolean(n, s.captions); },
         [](const UserSettings& s) -> Text { return boolText(s.captions); }},
        {"tips", quotedNames(tipsModes), [] { return quotedName(tipsModes, defaults.tips); },
         [](const toml::node& n, UserSettings& s) { return named(n, tipsModes, s.tips); },
         [](const UserSettings& s) -> Text { return quotedName(tipsModes, s.tips); }},
        {"sight_areas", "true or false",
         [] {
             return "false (true at " + quotedName(difficultyLevels, DifficultyLevel::Relaxed) +
                    ")";
         },
         [](const toml::node& n, UserSettings& s) {
             bool shown = false;
             if (!boolean(n, shown)) {
                 return false;
             }
             s.sightAreas = shown;
             return true;
         },
         [](const UserSettings& s) -> Text {
             return s.sightAreas ? Text(boolText(*s.sightAreas)) : std::nullopt;
         }},
        {"width", "a whole number from 1 to 32767",
         [] { return std::string("size from ") + kWindowSizeFile; },
         [](const toml::node& n, UserSettings& s) { return windowSide(n, s.width); },
         [](const UserSettings& s) -> Text {
             return s.width ? Text(std::to_string(*s.width)) : std::nullopt;
         }},
        {"height", "a whole number from 1 to 32767",
         [] { return std::string("size from ") + kWindowSizeFile; },
         [](const toml::node& n, UserSettings& s) { return windowSide(n, s.height); },
         [](const UserSettings& s) -> Text {
             return s.height ? Text(std::to_string(*s.height)) : std::nullopt;
         }},
    };
    return keys;
}

const SettingsKey* settingsKeyNamed(std::string_view name) {
    for (const SettingsKey& key : settingsKeys()) {
        if (name == key.name) {
            return &key;
        }
    }
    return nullptr;
}

}  // namespace dusk
