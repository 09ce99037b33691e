#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace dusk::ui {

// What the player did in the menu this frame: changed a value (apply it), and
// finished changing it (a click, or the release of a slider: save it).
// The Records tab's Watch button: the best replay of this forest at this
// difficulty (its name).
struct WatchRequest {
    std::uint32_t seed = 0;
    std::string difficulty;
};

struct MenuChange {
    bool changed = false;
    bool finished = false;
    bool tipsAgain = false;  // "Show the tips again" was clicked
    std::optional<WatchRequest> watch;
};

}  // namespace dusk::ui
