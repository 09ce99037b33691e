#include "render/SightAreas.h"

#include <algorithm>

#include "render/UniformLocations.h"
#include "render/Uniforms.h"

namespace dusk {

SightAreas::SightAreas(const std::vector<SightArea>& areas)
    : count_(static_cast<int>(std::min(areas.size(), kMaxAreas))) {
    for (int i = 0; i < count_; ++i) {
        const SightArea& area = areas[static_cast<size_t>(i)];
        const mat4& m = area.kidMatrix;
        packed[static_cast<size_t>(i)] = vec4(m[3][0], m[3][2], m[0][0], m[0][2]);
        seeingMask |= area.seeing ? 1 << i : 0;
        reach = std::max(reach, area.reach);
    }
}

void SightAreas::upload(const UniformLocations& u) const {
    if (count_ > 0) {
        glUniform4fv(u.sightAreas, count_, &packed[0].x);
        setUniform(u.sightSeeingMask, seeingMask);
        setUniform(u.sightReach, reach);
    }
    setUniform(u.sightAreaCount, 0);
}

void SightAreas::enableForGround(const UniformLocations& u, bool ground) const {
    setUniform(u.sightAreaCount, ground ? count_ : 0);
}

}  // namespace dusk
