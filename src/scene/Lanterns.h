#pragma once
// The kids' lanterns: every active kid carries one; the shaders light the
// scene with up to ten of them.
#include <cstddef>
#include <vector>

#include "math/Math.h"

namespace dusk::scene {

// A kid as its lantern sees it: where the kid's origin is, and whether it still
// carries a light (terrified kids put theirs out).
struct LanternCarrier {
    vec3 origin;
    bool active;
};

// The lantern of a kid at origin p hangs at (p.x + 0.6, p.y + 0.8, p.z); the
// sums are taken in double precision and stored as float.
vec3 lanternPosition(const vec3& origin);

// The lanterns of the active carriers, in carrier order, at most room of them
// (the shaders' "pLightPos" holds 10).
std::vector<vec3> lanternPositions(const std::vector<LanternCarrier>& carriers, std::size_t room);

}  // namespace dusk::scene
