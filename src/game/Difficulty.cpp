#include "game/Difficulty.h"

namespace dusk {

namespace {

// One row of the difficulty table, in the order of the README's columns.
Difficulty level(const char* name, Sight sight, float drain, double regeneration, float reach,
                 float startMagic, double magicPerSecond, double fairStart) {
    Difficulty d;
    d.name = name;
    d.sight = sight;
    d.drainPerSecond = drain;
    d.regenerationPerSecond = regeneration;
    d.screamReach = reach;
    d.startMagic = startMagic;
    d.magicPerSecond = magicPerSecond;
    d.fairStartSeconds = fairStart;
    return d;
}

}  // namespace

Difficulty Difficulty::relaxed() {
    return level("Relaxed", {12.0f, 4.0f}, 0.5f, 0.15, 6.0f, 20000.0f, 0.1, 3.0);
}

Difficulty Difficulty::standard() { return Difficulty(); }

Difficulty Difficulty::hard() {
    return level("Hard", {18.0f, 6.0f}, 1.5f, 0.05, 4.0f, 30.0f, 0.05, 0.0);
}

std::optional<Difficulty> Difficulty::named(const std::string& name) {
    for (Difficulty d : {relaxed(), standard(), hard()}) {
        if (d.name == name) {
            return d;
        }
    }
    return std::nullopt;
}

}  // namespace dusk
