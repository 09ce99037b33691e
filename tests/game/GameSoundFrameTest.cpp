// What the game tells its sound each frame, from a real Game: the listener is
// the camera, a kid's sight and stride are the rules' own.
#include "GameFixture.h"
#include "audio/GameSound.h"

namespace dusk::test {

namespace {
const float frame = 1.0f / 60.0f;
const vec3 kidSpot(20.0f, 0.0f, 20.0f);  // facing +z
}  // namespace

using GameSoundFrameTest = GameFixture;

TEST_F(GameSoundFrameTest, TheSoundHearsFromTheCameraWhatTheRulesSee) {
    parkOtherKids(0);
    placeKid(0, kidSpot.x, kidSpot.z);
    stepWith(kidSpot + vec3(0.5f, 2.5f, 8.0f), frame);
    audio::SoundFrame inFront = soundFrameOf(round(), frame, false, glfwGetTime());
    EXPECT_TRUE(inFront.seen);
    ASSERT_EQ(inFront.kids.size(), world().kids.size());
    EXPECT_TRUE(inFront.kids[0].walking);
    EXPECT_LT(glm::distance(inFront.kids[0].position, vec3(kid(0).modelMatrix[3])), 1e-4f);
    EXPECT_GE(inFront.kids[0].stridePhase, 0.0f);
    EXPECT_LT(inFront.kids[0].stridePhase, 1.0f);
    EXPECT_FLOAT_EQ(inFront.health, round().healthFraction());

    const scene::Camera& camera = world().camera;
    EXPECT_LT(glm::distance(inFront.listener.position, vec3(camera.modelMatrix[3])), 1e-3f);
    const vec3 looking = scene::viewDirection(camera.horizontalAngle, camera.verticalAngle);
    EXPECT_GT(glm::dot(inFront.listener.forward, looking), 0.9999f);
    EXPECT_NEAR(glm::dot(inFront.listener.up, looking), 0.0f, 1e-4f);
    EXPECT_GT(inFront.listener.up.y, 0.9f);

    placeKid(0, kidSpot.x, kidSpot.z);
    stepWith(kidSpot + vec3(0.5f, 2.5f, -3.0f), frame);
    EXPECT_FALSE(soundFrameOf(round(), frame, false, glfwGetTime()).seen) << "behind the kid";

    // A terrified kid neither walks nor watches.
    kid(0).setActive(false);
    placeKid(0, kidSpot.x, kidSpot.z);
    stepWith(kidSpot + vec3(0.5f, 2.5f, 8.0f), frame);
    const audio::SoundFrame terrified = soundFrameOf(round(), frame, false, glfwGetTime());
    EXPECT_FALSE(terrified.kids[0].walking);
    EXPECT_FALSE(terrified.seen);
}

}  // namespace dusk::test
