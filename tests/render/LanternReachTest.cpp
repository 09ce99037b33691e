// Which surfaces the lanterns reach: the boundary with its margin, the split
// of a mesh's triangles, and the spheres the tests are made on.
#include <gtest/gtest.h>

#include "render/LanternReach.h"

namespace dusk::test {
namespace {

TEST(LanternReach, ASphereIsReachedWithinRangeAndMarginOfItsSurface) {
    const LanternReach reach({vec3(100.0f, 0.0f, 0.0f), vec3(0.0f, 1.0f, 0.0f)});
    const float edge = 2.0f + LanternReach::kRange + LanternReach::kMargin;
    EXPECT_TRUE(reach.reaches({vec3(0.0f, 1.0f + edge - 0.01f, 0.0f), 2.0f}));
    EXPECT_FALSE(reach.reaches({vec3(0.0f, 1.0f + edge + 0.01f, 0.0f), 2.0f}));
    EXPECT_TRUE(reach.reaches({vec3(100.0f, 0.0f, 0.0f), 0.0f})) << "the second lantern";
    EXPECT_FALSE(LanternReach({}).reaches({vec3(0.0f), 1000.0f})) << "no lanterns, no light";
}

TEST(LanternReach, SplitKeepsEveryTriangleOnceInItsOwnOrder) {
    // A strip of unit triangles along x at 0, 10, 20, 30; a lantern between
    // the second and the third.
    std::vector<vec3> positions;
    std::vector<uint32_t> indices;
    for (uint32_t i = 0; i < 4; ++i) {
        const float x = 10.0f * static_cast<float>(i);
        positions.insert(positions.end(), {vec3(x, 0, 0), vec3(x + 1, 0, 0), vec3(x, 0, 1)});
        indices.insert(indices.end(), {3 * i, 3 * i + 1, 3 * i + 2});
    }
    indices.insert(indices.end(), {0, 1, 99});  // an index past the vertices
    const LanternReach reach({vec3(15.5f, 0.0f, 0.0f)});
    auto groups = reach.splitTriangles(positions, indices, mat4(1.0f));
    EXPECT_EQ(groups.reached, (std::vector<uint32_t>{3, 4, 5, 6, 7, 8, 0, 1, 99}));
    EXPECT_EQ(groups.unreached, (std::vector<uint32_t>{0, 1, 2, 9, 10, 11}));

    // The model matrix places the mesh: moved by 20, the first triangle is lit.
    groups = reach.splitTriangles(positions, indices, translate(mat4(1.0f), vec3(20, 0, 0)));
    EXPECT_EQ(groups.unreached, (std::vector<uint32_t>{3, 4, 5, 6, 7, 8, 9, 10, 11}));
}

TEST(Sphere, HoldsItsPointsBeforeAndAfterAMatrix) {
    const std::vector<vec3> points = {vec3(-1, 0, 0), vec3(3, 0, 0), vec3(1, 2, 0)};
    const Sphere sphere = Sphere::around(points);
    EXPECT_EQ(sphere.centre, vec3(1, 1, 0));
    EXPECT_FLOAT_EQ(sphere.radius, std::sqrt(5.0f));
    const mat4 model = scale(translate(mat4(1.0f), vec3(5, 0, 0)), vec3(1, 3, 1));
    const Sphere placed = sphere.placedBy(model);
    for (const vec3& p : points) {
        EXPECT_LE(length(vec3(model * vec4(p, 1.0f)) - placed.centre), placed.radius + 1e-5f);
    }
    EXPECT_EQ(Sphere::around({}).radius, 0.0f);
}

}  // namespace
}  // namespace dusk::test
