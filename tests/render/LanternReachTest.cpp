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

TEST(LanternReach, TrianglesGroupByTheLanternsThatReachThemEachOnceInItsOwnOrder) {
    // A strip of unit triangles along x at 0, 10, 20, 30; lantern 0 between
    // the second and the third, lantern 1 far off, lantern 2 between the last two.
    std::vector<vec3> positions;
    std::vector<uint32_t> indices;
    for (uint32_t i = 0; i < 4; ++i) {
        const float x = 10.0f * static_cast<float>(i);
        positions.insert(positions.end(), {vec3(x, 0, 0), vec3(x + 1, 0, 0), vec3(x, 0, 1)});
        indices.insert(indices.end(), {3 * i, 3 * i + 1, 3 * i + 2});
    }
    indices.insert(indices.end(), {0, 1, 99});  // an index past the vertices
    const LanternReach reach({vec3(15.5f, 0.0f, 0.0f), vec3(500.0f), vec3(27.0f, 0.0f, 0.0f)});
    using Group = LanternReach::Group;
    const auto expectGroups = [](const std::vector<Group>& got, const std::vector<Group>& want) {
        ASSERT_EQ(got.size(), want.size());
        for (size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].mask, want[i].mask) << i;
            EXPECT_EQ(got[i].indices, want[i].indices) << i;
        }
    };
    expectGroups(
        reach.groupTriangles(positions, indices, mat4(1.0f)),
        {{0u, {0, 1, 2}}, {1u, {3, 4, 5}}, {5u, {6, 7, 8}}, {4u, {9, 10, 11}}, {7u, {0, 1, 99}}});
    // The model matrix places the mesh: moved by 20, the first triangle is lit.
    expectGroups(reach.groupTriangles(positions, indices, translate(mat4(1.0f), vec3(20, 0, 0))),
                 {{5u, {0, 1, 2}}, {4u, {3, 4, 5}}, {0u, {6, 7, 8, 9, 10, 11}}, {7u, {0, 1, 99}}});
    EXPECT_EQ(reach.selected(5u), (std::vector<vec3>{vec3(15.5f, 0.0f, 0.0f), vec3(27.0f, 0, 0)}));
    // Only the shader's ten lanterns are ever in a mask.
    const LanternReach crowd(std::vector<vec3>(12, vec3(0.0f)));
    EXPECT_EQ(crowd.reaching({vec3(0.0f), 1.0f}), 0x3ffu);
    EXPECT_EQ(crowd.everyLantern(), 0x3ffu);
    EXPECT_EQ(crowd.selected(0xfffu).size(), 10u);
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
