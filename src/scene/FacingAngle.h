#pragma once
// The compass of the kids, in degrees 0..360. A kid faces the heading of its
// model matrix's first column; the player's bearing from a kid is the heading
// of the horizontal offset (player minus kid). Both use the same formula, so a
// kid and the rules agree on what is in front of it.
#include "math/Math.h"

namespace dusk::scene {

// Heading of the horizontal vector (x, z): 180 when x is exactly 0, else
// atan(z / x) in degrees + 90, plus 180 more when x > 0. The ratio and its
// arctangent are single precision, the rest double; the result is a float.
float headingDegrees(float x, float z);

// The kid's facing from m00 and m02 (column 0, rows 0 and 2). The identity
// faces 270 degrees, which is the direction +z.
float facingAngleDegrees(const mat4& modelMatrix);

// The bearing of the player from a kid; dx = player.x - kid.x and
// dz = player.z - kid.z. A player level with the kid in x (dx = 0) is at 180.
float directionToPlayerDegrees(float dx, float dz);

// The unit walking direction for a facing angle: (-cos a, 0, -sin a), each
// component rounded to float. For a turn by phi about y this is the kid's
// local +z axis (sin phi, 0, cos phi).
vec3 walkDirection(float facingDegrees);

}  // namespace dusk::scene
