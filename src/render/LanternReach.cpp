#include "render/LanternReach.h"

#include <algorithm>

namespace dusk {

bool LanternReach::reaches(const Sphere& sphere) const {
    const float reach = sphere.radius + kRange + kMargin;
    for (const vec3& lantern : lanterns) {
        const vec3 d = lantern - sphere.centre;
        if (glm::dot(d, d) <= reach * reach) {
            return true;
        }
    }
    return false;
}

LanternReach::Groups LanternReach::splitTriangles(const std::vector<vec3>& positions,
                                                  const std::vector<uint32_t>& indices,
                                                  const mat4& model) const {
    Groups groups;
    for (size_t i = 0; i + 2 < indices.size(); i += 3) {
        vec3 corners[3];
        bool valid = true;
        for (int k = 0; k < 3; ++k) {
            const uint32_t index = indices[i + static_cast<size_t>(k)];
            valid = valid && index < positions.size();
            corners[k] = valid ? vec3(model * vec4(positions[index], 1.0f)) : vec3(0.0f);
        }
        Sphere sphere;
        sphere.centre = (corners[0] + corners[1] + corners[2]) / 3.0f;
        for (const vec3& corner : corners) {
            sphere.radius = std::max(sphere.radius, glm::length(corner - sphere.centre));
        }
        // A triangle with a bad index draws nothing anyway; keep it with the
        // full program, as the whole mesh would have been drawn.
        auto& group = !valid || reaches(sphere) ? groups.reached : groups.unreached;
        group.insert(group.end(), indices.begin() + static_cast<std::ptrdiff_t>(i),
                     indices.begin() + static_cast<std::ptrdiff_t>(i + 3));
    }
    return groups;
}

}  // namespace dusk
