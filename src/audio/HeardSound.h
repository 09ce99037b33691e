#pragma once
// A sound the game started for the player to hear, as captions read it.
#include "math/Math.h"

namespace dusk::audio {

// Where attenuation begins for a kid's steps and for a shriek (units); the
// mix fades each as referenceDistance / distance beyond it.
constexpr float stepReferenceDistance = 2.0f;
constexpr float shriekReferenceDistance = 5.0f;

// Where a sound with that reference distance falls under a tenth of its full
// volume (the inverse-distance model with a roll-off of 1).
constexpr float hearingDistance(float referenceDistance) { return 10.0f * referenceDistance; }

struct HeardSound {
    enum class Kind {
        Footsteps,  // a kid's step, from the kid
        Shriek,     // a terrified kid, from its head
        Heartbeat,  // the player's own, in the head
        Scream,     // the player's own, in the head
    };
    Kind kind = Kind::Footsteps;
    vec3 position{0.0f};  // in the world; unused for the player's own sounds
};

}  // namespace dusk::audio
