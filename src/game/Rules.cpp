#include "game/Rules.h"

#include <cmath>

#include "scene/FacingAngle.h"

namespace dusk {

float regenerateHealth(float health, float maxHealth, float dt) {
    const float next = static_cast<float>(health + dt * 0.1 * maxHealth);
    if (next > maxHealth) {
        return maxHealth;
    }
    return next < 0.0f ? 0.0f : next;
}

float horizontalDistance(const vec3& player, const vec3& kid) {
    const float dx = std::fabs(kid.x - player.x);
    const float dz = std::fabs(kid.z - player.z);
    return std::sqrt(dx * dx + dz * dz);
}

bool kidSeesPlayer(const vec3& player, const mat4& kidMatrix) {
    const vec3 kid(kidMatrix[3]);
    const double toPlayer = scene::directionToPlayerDegrees(player.x - kid.x, player.z - kid.z);
    const double facing = scene::facingAngleDegrees(kidMatrix);
    double d = toPlayer - facing;
    if (d < 0.0) {
        d += 360.0;
    }
    const bool inFront = d > 0.0 && d < 180.0;
    return inFront && horizontalDistance(player, kid) < 15.0f && std::fabs(player.y - kid.y) < 5.0f;
}

bool screamReaches(const vec3& player, const mat4& kidMatrix) {
    return horizontalDistance(player, vec3(kidMatrix[3])) < 5.0f;
}

}  // namespace dusk
