// Where the kids' lanterns hang.
#include <gtest/gtest.h>

#include "scene/Lanterns.h"

namespace dusk {
namespace {

using scene::LanternCarrier;

TEST(LanternPositions, hangBesideAndAboveActiveKidsInKidOrder) {
    const std::vector<LanternCarrier> kids = {
        {vec3(1, 0, 2), true}, {vec3(5, 0, 5), false}, {vec3(0.1f, 0.1f, -3), true}};
    const std::vector<vec3> lanterns = scene::lanternPositions(kids, 10);
    ASSERT_EQ(lanterns.size(), 2u) << "the terrified kid's lantern is out";
    EXPECT_EQ(lanterns[0], vec3(1.6f, 0.8f, 2.0f));
    // Summed in double precision: float sums would give 0.70000005 and 0.90000004.
    EXPECT_EQ(lanterns[1], vec3(0.7f, 0.9f, -3.0f));

    EXPECT_TRUE(scene::lanternPositions({{vec3(0), false}}, 10).empty());
    const std::vector<LanternCarrier> crowd(12, {vec3(0), true});
    EXPECT_EQ(scene::lanternPositions(crowd, 10).size(), 10u) << "never more than there is room";
}

}  // namespace
}  // namespace dusk
