#pragma once
#include <cstddef>
#include <vector>

#include "scene/SceneObject.h"

namespace dusk {
class ShaderProgram;
}

namespace dusk::scene {

// One kid's lantern. The object holds no position: the lanterns follow the
// active kids (lanternPositions) and the number of PointLights only bounds
// how many are uploaded.
class PointLight : public SceneObject {
public:
    PointLight(const mat4& modelMatrix, int index, ShaderProgram* program);

    void update(float) override {}

    int index;
    ShaderProgram* program;  // not owned
};

// A kid as its lantern sees it: where the kid's origin is, and whether it still
// carries a light (terrified kids put theirs out).
struct LanternCarrier {
    vec3 origin;
    bool active;
};

// The lantern of a kid at origin p hangs at (p.x + 0.6, p.y + 0.8, p.z); the
// sums are taken in double precision and stored as float.
vec3 lanternPosition(const vec3& origin);

// The lanterns of the active carriers, in carrier order, at most room of them
// (the shaders' "pLightPos" holds 10).
std::vector<vec3> lanternPositions(const std::vector<LanternCarrier>& carriers, std::size_t room);

// Sends the lanterns to every program in list order: "pLightPos" with
// count = positions.size(), then "pLightCount". The last program stays current.
void uploadLanterns(const std::vector<ShaderProgram*>& programs,
                    const std::vector<vec3>& positions);

}  // namespace dusk::scene
