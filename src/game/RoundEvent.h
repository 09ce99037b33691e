#pragma once
#include "math/Math.h"

namespace dusk {

// What happened in a round's frame, for the session to announce and sound.
struct RoundEvent {
    enum class Kind {
        KidTerrified,  // where: the kid's position; kidsLeft after it
        Won,           // the last kid was terrified (after its KidTerrified)
        Lost,          // a kid saw the player with no health left
    };
    Kind kind = Kind::KidTerrified;
    vec3 where{0.0f};
    int kidsLeft = 0;
    int kidsTotal = 0;
    // Lost: the kid (in kid order) whose sight took the last health.
    int kid = -1;
};

}  // namespace dusk
