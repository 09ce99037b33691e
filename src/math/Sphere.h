#pragma once
#include <vector>

#include "math/Math.h"

namespace dusk {

// A ball that holds a set of points.
struct Sphere {
    vec3 centre{0.0f, 0.0f, 0.0f};
    float radius = 0.0f;

    // Around points: the centre of their box, the distance to the farthest.
    // A zero sphere for no points.
    static Sphere around(const std::vector<vec3>& points);
    // The sphere that holds the points once model has moved them: the centre
    // moved, the radius grown by the matrix's largest stretch.
    Sphere placedBy(const mat4& model) const;
};

}  // namespace dusk
