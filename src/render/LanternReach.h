#pragma once
#include <cstdint>
#include <utility>
#include <vector>

#include "math/Math.h"
#include "math/Sphere.h"

namespace dusk {

// Which lanterns can light a surface. A lantern lights nothing beyond its
// range (basic.frag's glow is exactly zero there, and adding zero changes no
// sum), so a draw given only the lanterns that reach it looks the same as one
// given all of them, and one no lantern reaches looks the same drawn with the
// program built without lanterns; both are much cheaper on a software
// renderer.
class LanternReach {
public:
    // basic.frag's LANTERN_RANGE_SQ is its square.
    static constexpr float kRange = 7.0f;
    // Room for rounding: fragment positions are interpolated and the shader
    // divides, so a point only just outside the range is not trusted to be.
    static constexpr float kMargin = 0.5f;
    // The lanterns the shader sums ("pLightPos[10]"); later ones light
    // nothing and are never in a mask.
    static constexpr std::size_t kMaxLanterns = 10;

    explicit LanternReach(std::vector<vec3> lanterns) : lanterns(std::move(lanterns)) {}

    // Bit i set when lantern i may light a point of the sphere.
    uint32_t reaching(const Sphere& sphere) const;
    // True when some lantern may light a point of the sphere.
    bool reaches(const Sphere& sphere) const { return reaching(sphere) != 0; }
    // The lanterns of the mask, in their own order.
    std::vector<vec3> selected(uint32_t mask) const;

    // A mesh's triangles grouped by the lanterns that may reach them (the
    // mask), each group in the mesh's own order, the groups in the order of
    // their first triangle. positions are model-space vertices, indices three
    // per triangle, model places them in the world. A triangle with an index
    // past the vertices draws nothing anyway; it goes with every lantern, as
    // the whole mesh would have been drawn.
    struct Group {
        uint32_t mask = 0;
        std::vector<uint32_t> indices;
    };
    std::vector<Group> groupTriangles(const std::vector<vec3>& positions,
                                      const std::vector<uint32_t>& indices,
                                      const mat4& model) const;

    // Every lantern the shader sums.
    uint32_t everyLantern() const;

private:
    std::vector<vec3> lanterns;
};

}  // namespace dusk
