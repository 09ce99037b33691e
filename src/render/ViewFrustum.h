#pragma once
#include <array>

#include "math/Math.h"
#include "render/CullPlane.h"

namespace dusk {

// The camera's view volume as six planes whose normals point inward, in the
// order left, right, bottom, top, near, far. Until setFromMatrix runs every
// plane is the zero plane, which calls every sphere of positive radius
// "intersecting".
class ViewFrustum {
public:
    enum Plane { Left = 0, Right, Bottom, Top, Near, Far };
    enum Verdict { Outside = 0, Intersecting = 1, Inside = 2 };

    // Places the planes from a camera's projection x view: the eight corners
    // of clip space are taken back to the world with the inverse matrix.
    void setFromMatrix(const mat4& viewProjection);
    void update(const mat4& projection, const mat4& view) { setFromMatrix(projection * view); }

    // 0 outside (stops at the first plane that has the sphere wholly behind
    // it), 1 intersecting, 2 inside. Both comparisons are strict: a sphere
    // exactly radius behind a plane still intersects, exactly radius in front
    // counts as inside that plane.
    int sphereInFrustum(vec3 centre, float radius) const;

    std::array<CullPlane, 6> planes;
};

}  // namespace dusk
