#include "render/ViewFrustum.h"

namespace dusk {
namespace {

// Corner (x, y, z) of clip space, each -1 or +1, index = x + 2y + 4z with
// the bits set for +1.
vec3 corner(const glm::dmat4& inverseViewProjection, int index) {
    const glm::dvec4 ndc((index & 1) ? 1.0 : -1.0, (index & 2) ? 1.0 : -1.0,
                         (index & 4) ? 1.0 : -1.0, 1.0);
    const glm::dvec4 world = inverseViewProjection * ndc;
    return vec3(glm::dvec3(world) / world.w);
}

// Each plane from three of its corners; the fourth corner is only needed to
// find the inside (the centre of the volume).
constexpr int planeCorners[6][3] = {
    {0, 4, 2},  // left:   x = -1
    {1, 3, 5},  // right:  x = +1
    {0, 1, 4},  // bottom: y = -1
    {2, 6, 3},  // top:    y = +1
    {0, 2, 1},  // near:   z = -1
    {4, 5, 6},  // far:    z = +1
};

}  // namespace

void ViewFrustum::setFromMatrix(const mat4& viewProjection) {
    // Double precision: with near 0.1 and far 1000 the far corners lie at a
    // thousand units and a float inverse would blur them.
    const glm::dmat4 inverse = glm::inverse(glm::dmat4(viewProjection));
    vec3 corners[8];
    vec3 centre(0.0f);
    for (int i = 0; i < 8; ++i) {
        corners[i] = corner(inverse, i);
        centre += corners[i] * 0.125f;
    }
    for (int p = 0; p < 6; ++p) {
        const vec3& a = corners[planeCorners[p][0]];
        const vec3& b = corners[planeCorners[p][1]];
        const vec3& c = corners[planeCorners[p][2]];
        planes[p].setPoints(a, b, c);
        // A mirrored view matrix turns the winding round: keep the normal
        // pointing into the volume whatever the handedness.
        if (planes[p].distance(centre) < 0.0f) {
            planes[p].setPoints(a, c, b);
        }
    }
}

int ViewFrustum::sphereInFrustum(vec3 centre, float radius) const {
    int result = Inside;
    for (const CullPlane& plane : planes) {
        const float dist = plane.distance(centre);
        if (dist < -radius) {
            return Outside;
        }
        if (dist < radius) {
            result = Intersecting;
        }
    }
    return result;
}

}  // namespace dusk
