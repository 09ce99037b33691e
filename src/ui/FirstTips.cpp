#include "ui/FirstTips.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "ui/ControlsHelp.h"

namespace dusk {

namespace {

// The first key of each walking action: "W A S D".
std::string walkKeys(const KeyBindings& bindings, std::string (*label)(int)) {
    std::string text;
    for (const Action action : {Action::Forward, Action::Left, Action::Back, Action::Right}) {
        const int key = bindings.keysFor(action)[0];
        text += (text.empty() ? "" : " ") + (key == KeyBindings::noKey ? "-" : label(key));
    }
    return text;
}

}  // namespace

std::string unitsText(float units) {
    char text[32];
    if (units == std::floor(units)) {
        std::snprintf(text, sizeof text, "%.0f", static_cast<double>(units));
    } else {
        std::snprintf(text, sizeof text, "%.1f", static_cast<double>(units));
    }
    return text;
}

std::string tipText(ui::TipStep step, const KeyBindings& keys, std::string (*label)(int),
                    const Difficulty& rules) {
    switch (step) {
        case ui::TipStep::Goal:
            return "Frighten all ten kids with a scream, without being seen";
        case ui::TipStep::Move:
            return "Walk with " + walkKeys(keys, label) +
                   " and look with the mouse (pad: the two sticks)";
        case ui::TipStep::Scream:
            return "Get behind a kid and press " + keysOf(keys, Action::Scream, label, " or ") +
                   " to scream (pad: right trigger)";
        case ui::TipStep::Sight:
            return "A kid sees only ahead of it, up to " + unitsText(rules.sight.distance) +
                   " m: come from behind";
        case ui::TipStep::Help:
            return "F2 shows every control, " + keysOf(keys, Action::Menu, label, " or ") +
                   " the settings";
        default:
            return "";
    }
}

std::string seenFromLine(float distance, SeenSide side) {
    const long metres = std::max(1L, std::lround(distance));
    const char* where = side == SeenSide::Ahead  ? "ahead of the kid"
                        : side == SeenSide::Left ? "to the kid's left"
                                                 : "to the kid's right";
    return "Seen from " + std::to_string(metres) + " m, " + where;
}

std::string lossTip(const Difficulty& rules, std::int64_t pick) {
    const std::vector<std::string> tips = {
        "Tip: a kid sees only ahead of it. Come up from behind.",
        "Tip: a kid cannot see " + unitsText(rules.sight.height) +
            " m above or below it. Fly over it.",
        "Tip: out of sight your health comes back. Step away and wait.",
        "Tip: the scream reaches " + unitsText(rules.screamReach) +
            " m. Get that close, behind the kid.",
        "Tip: a kid's sight ends at " + unitsText(rules.sight.distance) +
            " m. Pass it wide in front.",
        "Tip: the Play tab of the menu shows where kids look, on the ground.",
    };
    const auto count = static_cast<std::int64_t>(tips.size());
    return tips[static_cast<std::size_t>(((pick % count) + count) % count)];
}

}  // namespace dusk
