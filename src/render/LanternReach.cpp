#include "render/LanternReach.h"

#include <algorithm>

namespace dusk {

uint32_t LanternReach::reaching(const Sphere& sphere) const {
    const float reach = sphere.radius + kRange + kMargin;
    uint32_t mask = 0;
    const size_t count = std::min(lanterns.size(), kMaxLanterns);
    for (size_t i = 0; i < count; ++i) {
        const vec3 d = lanterns[i] - sphere.centre;
        if (glm::dot(d, d) <= reach * reach) {
            mask |= 1u << i;
        }
    }
    return mask;
}

uint32_t LanternReach::everyLantern() const {
    const size_t count = std::min(lanterns.size(), kMaxLanterns);
    return static_cast<uint32_t>((1u << count) - 1u);
}

std::vector<vec3> LanternReach::selected(uint32_t mask) const {
    std::vector<vec3> chosen;
    for (size_t i = 0; i < std::min(lanterns.size(), kMaxLanterns); ++i) {
        if ((mask >> i) & 1u) {
            chosen.push_back(lanterns[i]);
        }
    }
    return chosen;
}

std::vector<LanternReach::Group> LanternReach::groupTriangles(const std::vector<vec3>& positions,
                                                              const std::vector<uint32_t>& indices,
                                                              const mat4& model) const {
    std::vector<Group> groups;
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
        const uint32_t mask = valid ? reaching(sphere) : everyLantern();
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [mask](const Group& g) { return g.mask == mask; });
        if (group == groups.end()) {
            group = groups.insert(groups.end(), Group{mask, {}});
        }
        group->indices.insert(group->indices.end(),
                              indices.begin() + static_cast<std::ptrdiff_t>(i),
                              indices.begin() + static_cast<std::ptrdiff_t>(i + 3));
    }
    return groups;
}

}  // namespace dusk
