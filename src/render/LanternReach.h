#pragma once
#include <cstdint>
#include <utility>
#include <vector>

#include "math/Math.h"
#include "math/Sphere.h"

namespace dusk {

// Which surfaces the kids' lanterns can light. A lantern lights nothing
// beyond its range (basic.frag's glow is exactly zero there), so a surface
// no lantern reaches looks the same drawn with the program built without
// lanterns, which is much cheaper on a software renderer.
class LanternReach {
public:
    // basic.frag's LANTERN_RANGE_SQ is its square.
    static constexpr float kRange = 7.0f;
    // Room for rounding: fragment positions are interpolated and the shader
    // divides, so a point only just outside the range is not trusted to be.
    static constexpr float kMargin = 0.5f;

    explicit LanternReach(std::vector<vec3> lanterns) : lanterns(std::move(lanterns)) {}

    // True when some lantern may light a point of the sphere.
    bool reaches(const Sphere& sphere) const;

    // A mesh's triangles in two groups, each in the mesh's own order: those a
    // lantern may reach and the rest. positions are model-space vertices,
    // indices three per triangle, model places them in the world.
    struct Groups {
        std::vector<uint32_t> reached;
        std::vector<uint32_t> unreached;
    };
    Groups splitTriangles(const std::vector<vec3>& positions, const std::vector<uint32_t>& indices,
                          const mat4& model) const;

private:
    std::vector<vec3> lanterns;
};

}  // namespace dusk
