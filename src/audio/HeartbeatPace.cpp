#include "audio/HeartbeatPace.h"

#include <algorithm>

namespace dusk::audio {

float heartbeatPeriod(float health) {
    // Written so that a NaN counts as no health, not as a period of NaN.
    const float h = health > 0.0f ? std::min(health, 1.0f) : 0.0f;
    return 0.4f + 0.6f * h;
}

bool HeartbeatPace::advance(bool seen, float health, float dt) {
    if (!seen) {
        watched = false;
        return false;
    }
    if (!watched) {
        watched = true;
        sinceBeat = 0.0f;
        return true;
    }
    sinceBeat += dt;
    if (sinceBeat < heartbeatPeriod(health)) {
        return false;
    }
    sinceBeat = 0.0f;
    return true;
}

}  // namespace dusk::audio
