#include "game/Rules.h"

#include <cmath>

#include "scene/FacingAngle.h"

namespace dusk {

namespace {

// How far beyond its sight a kid is about to see.
constexpr float kNearlyFactor = 1.25f;

bool withinSight(const vec3& player, const vec3& kid, float distance, float height) {
    return horizontalDistance(player, kid) < distance && std::fabs(player.y - kid.y) < height;
}

}  // namespace

float regenerateHealth(float health, float maxHealth, float dt, double perSecond) {
    const float next = static_cast<float>(health + dt * perSecond * maxHealth);
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

bool kidFacesPlayer(const vec3& player, const mat4& kidMatrix) {
    const vec3 kid(kidMatrix[3]);
    const double toPlayer = scene::directionToPlayerDegrees(player.x - kid.x, player.z - kid.z);
    const double facing = scene::facingAngleDegrees(kidMatrix);
    double d = toPlayer - facing;
    if (d < 0.0) {
        d += 360.0;
    }
    return d > 0.0 && d < 180.0;
}

bool kidSeesPlayer(const vec3& player, const mat4& kidMatrix, const Sight& sight) {
    return kidFacesPlayer(player, kidMatrix) &&
           withinSight(player, vec3(kidMatrix[3]), sight.distance, sight.height);
}

bool kidNearlySeesPlayer(const vec3& player, const mat4& kidMatrix, const Sight& sight) {
    return kidFacesPlayer(player, kidMatrix) &&
           withinSight(player, vec3(kidMatrix[3]), sight.distance * kNearlyFactor, sight.height);
}

SeenSide sideSeenFrom(const vec3& player, const mat4& kidMatrix) {
    const float dx = player.x - kidMatrix[3][0];
    const float dz = player.z - kidMatrix[3][2];
    const float m00 = kidMatrix[0][0];
    const float m02 = kidMatrix[0][2];
    // Ahead along the facing (-m02, m00) and to its right (-m00, -m02).
    const double ahead = static_cast<double>(m00) * dz - static_cast<double>(m02) * dx;
    const double right = -static_cast<double>(m00) * dx - static_cast<double>(m02) * dz;
    const double degrees = std::atan2(right, ahead) * 180.0 / 3.14159265358979323846;
    if (std::fabs(degrees) <= 30.0) {
        return SeenSide::Ahead;
    }
    return degrees > 0.0 ? SeenSide::Right : SeenSide::Left;
}

bool screamReaches(const vec3& player, const mat4& kidMatrix, float reach) {
    return horizontalDistance(player, vec3(kidMatrix[3])) < reach;
}

}  // namespace dusk
