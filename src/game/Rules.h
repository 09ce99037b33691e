#pragma once
// The rules of the game as pure functions: health, the kids' sight, the scream.
// Every number defaults to the game's own (Difficulty::standard()).
#include "game/Difficulty.h"
#include "math/Math.h"

namespace dusk {

// health + dt * perSecond * maxHealth (formed in double), clamped to
// 0..maxHealth.
float regenerateHealth(float health, float maxHealth, float dt, double perSecond = 0.1);

// The horizontal distance between player and kid.
float horizontalDistance(const vec3& player, const vec3& kid);

// True when the player stands in the half-plane in front of the kid, judged
// by the angles in degrees, as the kid's own facing is (neither distance nor
// height counts).
bool kidFacesPlayer(const vec3& player, const mat4& kidMatrix);

// True when the kid faces the player, closer than sight.distance and less
// than sight.height higher or lower (by default 15 and 5 units).
bool kidSeesPlayer(const vec3& player, const mat4& kidMatrix, const Sight& sight = Sight());

// A kid about to see the player: it faces the player, less than sight.height
// higher or lower, closer than 1.25 times sight.distance. True also for a kid
// that sees the player; what draws it asks kidSeesPlayer's answer first.
bool kidNearlySeesPlayer(const vec3& player, const mat4& kidMatrix, const Sight& sight = Sight());

// Where a kid saw the player from, as the end screen tells it: straight
// ahead (within 30 degrees of its facing), or to its left or right.
enum class SeenSide { Ahead, Left, Right };

// The side of the kid the player stands on, by the kid's facing (the same
// direction kidFacesPlayer judges by); a player on the kid's own spot is Ahead.
SeenSide sideSeenFrom(const vec3& player, const mat4& kidMatrix);

// The scream carries strictly less than reach units (by default 5),
// horizontally.
bool screamReaches(const vec3& player, const mat4& kidMatrix, float reach = 5.0f);

}  // namespace dusk
