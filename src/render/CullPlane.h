#pragma once
#include "math/Math.h"

namespace dusk {

// A plane in Hessian normal form: the signed distance of p is normal . p + d.
// A new plane has a zero normal and d = 0, so every point lies on it.
class CullPlane {
public:
    CullPlane() = default;
    virtual ~CullPlane() = default;

    // The plane through three points; seen from the side the normal points
    // to, p1, p2, p3 run counter-clockwise. Three points on one line leave the
    // plane as it was.
    virtual void setPoints(vec3 p1, vec3 p2, vec3 p3);
    virtual float distance(vec3 p) const;

    vec3 normal{0.0f, 0.0f, 0.0f};
    float d = 0.0f;
};

}  // namespace dusk
