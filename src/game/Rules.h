#pragma once
// The rules of the game as pure functions: health, the kids' sight, the scream.
#include "math/Math.h"

namespace dusk {

// health + dt * 0.1 * maxHealth (formed in double), clamped to 0..maxHealth.
float regenerateHealth(float health, float maxHealth, float dt);

// The horizontal distance between player and kid.
float horizontalDistance(const vec3& player, const vec3& kid);

// True when the player stands in the half-plane in front of the kid (judged by
// the angles in degrees, as the kid's own facing is), closer than 15 units and
// less than 5 units higher or lower.
bool kidSeesPlayer(const vec3& player, const mat4& kidMatrix);

// The scream carries strictly less than 5 units, horizontally.
bool screamReaches(const vec3& player, const mat4& kidMatrix);

}  // namespace dusk
