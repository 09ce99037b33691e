#pragma once
// What the sound of one frame is made from: where the listener stands and
// looks, where each kid is and where it is in its stride, whether the player
// is being watched, and how much health is left.
#include <vector>

#include "math/Math.h"

namespace dusk::audio {

struct ListenerPose {
    vec3 position{0.0f};
    vec3 forward{0.0f, 0.0f, -1.0f};
    vec3 up{0.0f, 1.0f, 0.0f};
};

// The pose of a camera whose view matrix is given (a rigid lookAt-style
// transform): its eye, the direction it looks and its up.
ListenerPose poseFromView(const mat4& view);

struct KidSound {
    vec3 position{0.0f};
    bool walking = false;
    // Where the kid is in its walk cycle, 0..1; a foot lands at 0 and at 0.5.
    float stridePhase = 0.0f;
};

struct SoundFrame {
    ListenerPose listener;
    std::vector<KidSound> kids;
    bool seen = false;           // some kid sees the player
    float health = 1.0f;         // the player's health, 0..1
    bool screamKeyDown = false;  // the scream key is held now
    float dt = 0.0f;             // seconds since the last frame
};

}  // namespace dusk::audio
