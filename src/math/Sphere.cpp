#include "math/Sphere.h"

#include <algorithm>

namespace dusk {

Sphere Sphere::around(const std::vector<vec3>& points) {
    Sphere sphere;
    if (points.empty()) {
        return sphere;
    }
    vec3 low = points.front();
    vec3 high = points.front();
    for (const vec3& p : points) {
        low = glm::min(low, p);
        high = glm::max(high, p);
    }
    sphere.centre = (low + high) * 0.5f;
    for (const vec3& p : points) {
        sphere.radius = std::max(sphere.radius, glm::length(p - sphere.centre));
    }
    return sphere;
}

Sphere Sphere::placedBy(const mat4& model) const {
    const float stretch = std::max(
        {glm::length(vec3(model[0])), glm::length(vec3(model[1])), glm::length(vec3(model[2]))});
    return {vec3(model * vec4(centre, 1.0f)), radius * stretch};
}

}  // namespace dusk
