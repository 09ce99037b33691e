#pragma once

namespace dusk::ui {

// What the player did in the menu this frame: changed a value (apply it), and
// finished changing it (a click, or the release of a slider: save it).
struct MenuChange {
    bool changed = false;
    bool finished = false;
    bool tipsAgain = false;  // "Show the tips again" was clicked
};

}  // namespace dusk::ui
