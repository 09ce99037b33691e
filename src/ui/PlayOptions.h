#pragma once
// The settings menu's "Play" tab: the difficulty (from the next round), the
// detection markers, the captions, the sight areas and the tips.
#include "settings/UserSettings.h"
#include "ui/MenuChange.h"

namespace dusk::ui {

// Builds the choices inside the menu's window; a change is finished (to be
// saved) as soon as it is made. "Show the tips again" changes no setting: it
// sets change.tipsAgain.
void buildPlayOptions(UserSettings& settings, MenuChange& change);

}  // namespace dusk::ui
