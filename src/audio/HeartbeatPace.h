#pragma once

namespace dusk::audio {

// The player's heart while a kid is watching: the first beat at once, then
// one every heartbeatPeriod(health) seconds; silent while nobody watches.
class HeartbeatPace {
public:
    // True when a beat is due in this frame.
    bool advance(bool seen, float health, float dt);

private:
    bool watched = false;
    float sinceBeat = 0.0f;
};

// Seconds between beats: 1.0 at full health, quickening to 0.4 at none
// (health is a fraction, clamped to 0..1).
float heartbeatPeriod(float health);

}  // namespace dusk::audio
