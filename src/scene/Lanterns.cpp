#include "scene/Lanterns.h"

namespace dusk::scene {

vec3 lanternPosition(const vec3& origin) {
    const double x = static_cast<double>(origin.x) + 0.6;
    const double y = static_cast<double>(origin.y) + 0.8;
    return vec3(static_cast<float>(x), static_cast<float>(y), origin.z);
}

std::vector<vec3> lanternPositions(const std::vector<LanternCarrier>& carriers, std::size_t room) {
    std::vector<vec3> positions;
    positions.reserve(room);
    for (const LanternCarrier& carrier : carriers) {
        if (positions.size() == room) {
            break;
        }
        if (carrier.active) {
            positions.push_back(lanternPosition(carrier.origin));
        }
    }
    return positions;
}

}  // namespace dusk::scene
