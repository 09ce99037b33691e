#include "scene/FacingAngle.h"

#include <cmath>

namespace dusk::scene {

namespace {
constexpr double kPi = 3.14159265358979323846;
}

float headingDegrees(float x, float z) {
    double angle = 180.0;
    if (x != 0.0f) {
        const float ratio = z / x;
        const float arc = static_cast<float>(std::atan(static_cast<double>(ratio)));
        angle = static_cast<double>(arc) * 180.0 / kPi + 90.0;
    }
    if (x > 0.0f) {
        angle += 180.0;
    }
    return static_cast<float>(angle);
}

float facingAngleDegrees(const mat4& modelMatrix) {
    return headingDegrees(modelMatrix[0][0], modelMatrix[0][2]);
}

float directionToPlayerDegrees(float dx, float dz) { return headingDegrees(dx, dz); }

vec3 walkDirection(float facingDegrees) {
    const double radians = static_cast<double>(facingDegrees) * kPi / 180.0;
    return vec3(static_cast<float>(-std::cos(radians)), 0.0f,
                static_cast<float>(-std::sin(radians)));
}

}  // namespace dusk::scene
