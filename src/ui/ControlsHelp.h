#pragma once
// The F2 panel's text: every control as it is bound now, keys and pad.
#include <string>
#include <vector>

#include "settings/KeyBindings.h"
#include "ui/Hud.h"

namespace dusk {

// The lines in four groups (moving, acting, window, debug toggles), each
// action with its keys as the player's layout names them (label gives a
// key's name; keyLabel with glfwGetKeyName in the game) and its pad control.
// screamReach: how close the round's scream frightens (its difficulty's).
std::vector<ui::HelpLine> controlsHelp(const KeyBindings& keys, std::string (*label)(int key),
                                       float screamReach);

// The action's keys by label, joined by separator ("W, Up" or "W or Up");
// "no key" when it has none.
std::string keysOf(const KeyBindings& bindings, Action action, std::string (*label)(int),
                   const char* separator);

}  // namespace dusk
