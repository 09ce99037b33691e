#pragma once

namespace dusk::audio {

// Turns a walk cycle's phase, sampled once a frame, into footfalls: a foot
// lands each time the phase passes 0 or 0.5. Any frame rate gives two steps
// a cycle; the first sample after a reset gives none.
class FootstepClock {
public:
    // True when a foot has landed since the previous sample.
    bool advance(float phase);
    void reset() { lastHalf = -1; }

private:
    int lastHalf = -1;
};

}  // namespace dusk::audio
