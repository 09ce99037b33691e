#pragma once
// The settings file's text: TOML with one key per setting at the top level.
//
//   mouse_sensitivity = 0.002    # radians per pixel, 0.0005 .. 0.008
//   invert_look = false
//   field_of_view = 60.0         # degrees, 50 .. 100
//   vsync = false
//   frame_cap = 0                # 0 (none), 30, 60, 120 or 144
//   fullscreen = false
//   graphics_quality = "Exact"   # "Exact", "Fast" or "Low"
//   hud = true
//   master_volume = 1.0          # 0 .. 1
//   gamepad_look_speed = 120.0   # degrees a second at full tilt, 30 .. 360
//   gamepad_dead_zone = 0.2      # 0 .. 0.9
//   render_scale = 0.75          # optional: the scene at this fraction of the
//                                # window's size, 0.5 .. 1 (unset: 1, Low 0.5)
//   width = 1280                 # optional, with height: the window size
//   height = 720
//
//   [keys]                       # optional: only the actions not on their
//   scream = ["E"]               # default keys (see KeyBindings.h)
#include <string>
#include <vector>

#include "settings/UserSettings.h"

namespace dusk {

struct SettingsReading {
    UserSettings values;
    // One line per fault, ready to print; empty for a good file.
    std::vector<std::string> problems;
    // The text names a quality (graphics_quality with a good value): the
    // player chose it, and no machine's default replaces it.
    bool qualityGiven = false;
};

// Reads the text of the file named fileName (the name only goes into the
// messages). A key with a value of the wrong type or out of its range keeps
// its default; an unknown key is ignored; a width without a height (or the
// reverse) is dropped; text that is not TOML, or no text at all, gives every
// default. Nothing that was not used is in the values, so a save never
// writes it back.
SettingsReading readSettingsText(const std::string& text, const std::string& fileName);

// The text that reads back as these values: every key written (the
// graphics quality only withQuality, render_scale only when set), the [keys]
// table only when some action is not on its default keys.
std::string settingsText(const UserSettings& values, bool withQuality = true);

// "Settings file "<fileName>"<where>: <what>" on one line: control
// characters in any part are written as escapes.
std::string settingsProblem(const std::string& fileName, const std::string& where,
                            const std::string& what);

}  // namespace dusk
