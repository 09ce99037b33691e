#include "render/CullPlane.h"

#include <cmath>

namespace dusk {

void CullPlane::setPoints(vec3 p1, vec3 p2, vec3 p3) {
    const vec3 u = p2 - p1;
    const vec3 v = p3 - p1;
    const vec3 n(u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x);
    const float length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    // Collinear points span no plane; dividing by zero would fill the plane
    // with NaNs, and a NaN distance is never "outside", nor anything else.
    if (!(length > 0.0f)) {
        return;
    }
    normal = n * (1.0f / length);
    d = -(normal.x * p1.x + normal.y * p1.y + normal.z * p1.z);
}

float CullPlane::distance(vec3 p) const {
    return normal.x * p.x + normal.y * p.y + normal.z * p.z + d;
}

}  // namespace dusk
