// The kids' compass: facing, bearing of the player and walking direction.
#include <gtest/gtest.h>

#include <random>

#include "scene/FacingAngle.h"

namespace dusk::scene {
namespace {

mat4 turnedBy(float radians) { return glm::rotate(mat4(1.0f), radians, vec3(0.0f, 1.0f, 0.0f)); }

TEST(FacingAngle, QuadrantsAndTheZeroCases) {
    EXPECT_FLOAT_EQ(facingAngleDegrees(mat4(1.0f)), 270.0f) << "the identity";
    EXPECT_FLOAT_EQ(headingDegrees(-1.0f, 0.0f), 90.0f);
    EXPECT_FLOAT_EQ(headingDegrees(-1.0f, 1.0f), 45.0f);
    EXPECT_FLOAT_EQ(headingDegrees(1.0f, 1.0f), 315.0f);
    EXPECT_FLOAT_EQ(headingDegrees(1.0f, -1.0f), 225.0f);
    EXPECT_FLOAT_EQ(headingDegrees(-1.0f, -1.0f), 135.0f);
    EXPECT_EQ(directionToPlayerDegrees(0.0f, 10.0f), 180.0f) << "level in x counts as 180";
    EXPECT_EQ(directionToPlayerDegrees(0.0f, -10.0f), 180.0f);
    EXPECT_EQ(directionToPlayerDegrees(-0.0f, 3.0f), 180.0f);
    mat4 edgeOn(1.0f);
    edgeOn[0][0] = 0.0f;
    edgeOn[0][2] = -1.0f;
    EXPECT_EQ(facingAngleDegrees(edgeOn), 180.0f);
}

TEST(FacingAngle, WalkingFollowsTheTurnAndFrontMeansAheadOfTheWalk) {
    EXPECT_NEAR(walkDirection(facingAngleDegrees(mat4(1.0f))).z, 1.0f, 1e-6) << "identity walks +z";
    const vec3 quarter = walkDirection(facingAngleDegrees(turnedBy(1.5707964f)));
    EXPECT_NEAR(quarter.x, 1.0f, 1e-6) << "a 90 degree turn walks +x";
    EXPECT_NEAR(quarter.z, 0.0f, 1e-6);

    std::mt19937 random(7u);
    std::uniform_real_distribution<float> angle(-7.0f, 7.0f);
    std::uniform_real_distribution<float> offset(-20.0f, 20.0f);
    for (int i = 0; i < 2000; ++i) {
        const float phi = angle(random);
        const mat4 kid = turnedBy(phi);
        const float facing = facingAngleDegrees(kid);
        ASSERT_GE(facing, 0.0f);
        ASSERT_LE(facing, 360.0f);
        const vec3 walk = walkDirection(facing);
        ASSERT_NEAR(walk.x, std::sin(phi), 1e-5) << phi;
        ASSERT_NEAR(walk.z, std::cos(phi), 1e-5) << phi;

        // The rules' half-plane: bearing minus facing in (0, 180) exactly
        // when the player lies ahead of the walking direction.
        const float dx = offset(random);
        const float dz = offset(random);
        const float ahead = walk.x * dx + walk.z * dz;
        if (std::abs(ahead) < 0.01f) {
            continue;  // too close to the edge for float angles
        }
        float d = directionToPlayerDegrees(dx, dz) - facing;
        if (d < 0.0f) {
            d += 360.0f;
        }
        ASSERT_EQ(d > 0.0f && d<180.0f, ahead> 0.0f) << phi << " " << dx << " " << dz;
    }
}

}  // namespace
}  // namespace dusk::scene
