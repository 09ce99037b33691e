#pragma once
// The settings menu's "Play" tab: the difficulty (from the
// next round), the detection markers and the captions.
#include "settings/UserSettings.h"
#include "ui/SettingsMenu.h"

namespace dusk::ui {

// Builds the three choices inside the menu's window; a change is finished
// (to be saved) as soon as it is made.
void buildPlayOptions(UserSettings& settings, MenuChange& change);

}  // namespace dusk::ui
