#pragma once
#include "settings/UserSettings.h"

namespace dusk::ui {

// What the player did in the menu this frame: changed a value (apply it), and
// finished changing it (a click, or the release of a slider: save it).
struct MenuChange {
    bool changed = false;
    bool finished = false;
};

// The settings menu (F10): one Dear ImGui window over the paused game with
// every option of the settings file but the window size.
class SettingsMenu {
public:
    bool isOpen() const { return open; }
    void setOpen(bool shown) { open = shown; }

    // Builds the window inside a HUD frame. The window's Close button closes
    // the menu.
    MenuChange build(UserSettings& settings);

private:
    bool open = false;
};

// The frame-cap choices as the menu lists them: "Off", "30", "60", ...
const char* frameCapLabel(int cap);

}  // namespace dusk::ui
