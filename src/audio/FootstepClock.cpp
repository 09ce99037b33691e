#include "audio/FootstepClock.h"

#include <cmath>

namespace dusk::audio {

bool FootstepClock::advance(float phase) {
    const float wrapped = phase - std::floor(phase);
    const int half = wrapped < 0.5f ? 0 : 1;
    const bool landed = lastHalf >= 0 && half != lastHalf;
    lastHalf = half;
    return landed;
}

}  // namespace dusk::audio
