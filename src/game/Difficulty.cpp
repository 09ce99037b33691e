#include "game/Difficulty.h"

namespace dusk {

Difficulty Difficulty::relaxed() {
    Difficulty d;
    d.name = "Relaxed";
    d.sight = {12.0f, 4.0f};
    d.drainPerSecond = 0.5f;
    d.regenerationPerSecond = 0.15;
    d.screamReach = 6.0f;
    d.magicPerSecond = 0.1;
    return d;
}

Difficulty Difficulty::standard() { return Difficulty(); }

Difficulty Difficulty::hard() {
    Difficulty d;
    d.name = "Hard";
    d.sight = {18.0f, 6.0f};
    d.drainPerSecond = 1.5f;
    d.regenerationPerSecond = 0.05;
    d.screamReach = 4.0f;
    d.startMagic = 30.0f;
    return d;
}

}  // namespace dusk
