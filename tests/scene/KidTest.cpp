// Kids: placement and random draws, wandering, facing and walking, and what
// a terrified kid still does.
#include <gtest/gtest.h>

#include "SceneTestSupport.h"
#include "assets/SkinnedModel.h"
#include "assets/StaticModel.h"
#include "scene/AnimatedObject.h"
#include "scene/FacingAngle.h"
#include "scene/SkyBox.h"

namespace dusk::test {
namespace {

using scene::AnimatedObject;
using scene::SkyBox;

constexpr float kFrame = 1.0f / 60.0f;

// A skeleton of the given size without a file: every bone's matrix is a
// translation by its index, so the uploads can be told apart.
std::shared_ptr<SkinnedModel> skeletonOf(uint32_t bones) {
    auto model = std::make_shared<SkinnedModel>();
    model->boneCount = bones;
    model->bones.resize(bones);
    for (uint32_t i = 0; i < bones; ++i) {
        model->bones[i].finalTransform = translate(mat4(1.0f), vec3(float(i) + 1.0f, 2.0f, 3.0f));
    }
    return model;
}

class KidTest : public PhysicsTest {
protected:
    void SetUp() override {
        PhysicsTest::SetUp();
        ground = std::make_unique<SkyBox>(std::make_shared<StaticModel>(), mat4(1.0f), *physics);
    }
    void TearDown() override {
        ground.reset();
        PhysicsTest::TearDown();
    }

    // The game's frame for one kid: update, then step the world.
    void frame(AnimatedObject& kid, Random& random) {
        kid.update(random);
        physics->step(kFrame);
    }

    std::shared_ptr<SkinnedModel> model = skeletonOf(3);
    std::unique_ptr<SkyBox> ground;
};

TEST_F(KidTest, NewKidDrawsTwoPlacementValuesThenExactlyOnePerActiveUpdate) {
    RandomFeed feed({0, 32767});
    AnimatedObject kid(model, *physics, feed.random());
    EXPECT_EQ(feed.drawn(), 2);
    EXPECT_EQ(vec3(kid.modelMatrix[3]), vec3(-75.0f, 0.0f, 75.0f)) << "x is drawn before z";
    EXPECT_EQ(positionOf(kid.body.get()), vec3(-75.0f, 1.2f, 75.0f));

    for (int i = 0; i < 250; ++i) {  // across at least one flip of direction
        frame(kid, feed.random());
    }
    EXPECT_EQ(feed.drawn(), 2 + 250);
    kid.setActive(false);
    frame(kid, feed.random());
    EXPECT_EQ(feed.drawn(), 2 + 250) << "a terrified kid draws nothing";
}

TEST_F(KidTest, FreshCopyTurnsOneWayForAHundredUpdatesThenFlipsAndDrawsANewLimit) {
    RandomFeed feed({16384, 16384}, 32767);
    AnimatedObject kid(model, *physics, feed.random());
    for (int i = 0; i < 100; ++i) {
        frame(kid, feed.random());
        ASSERT_NEAR(kid.body->getAngularVelocity().y(), 0.15f, 1e-6) << "update " << i;
    }
    feed.push(6553);  // the new limit: 6553 x 1500 / 32767 = 299.98
    frame(kid, feed.random());
    EXPECT_EQ(kid.body->getAngularVelocity().y(), 0.0f) << "no turning in the update that flips";
    EXPECT_EQ(kid.turnDirection, -1);
    EXPECT_EQ(kid.walkCounter, 0);
    EXPECT_NEAR(kid.walkLimit, 299.98, 0.01);
    frame(kid, feed.random());
    EXPECT_NEAR(kid.body->getAngularVelocity().y(), -0.15f, 1e-6);

    // The limits span 0..1500 updates.
    EXPECT_EQ(scene::wanderWalkLimit(0), 0.0);
    EXPECT_EQ(scene::wanderWalkLimit(32767), 1500.0);
}

TEST_F(KidTest, LimitOfZeroFlipsAgainAtOnce) {
    RandomFeed feed({16384, 16384}, 100);
    AnimatedObject kid(model, *physics, feed.random());
    kid.walkCounter = 100;  // the end of the first stretch
    feed.push(0);
    frame(kid, feed.random());
    EXPECT_EQ(kid.turnDirection, -1);
    EXPECT_EQ(kid.walkLimit, 0.0);
    frame(kid, feed.random());
    EXPECT_EQ(kid.turnDirection, 1) << "a counter of 0 is not below a limit of 0";
    EXPECT_EQ(kid.walkCounter, 0);
    EXPECT_EQ(kid.body->getAngularVelocity().y(), 0.0f);
}

TEST_F(KidTest, WalksAlongItsOwnForwardAxisAtOneUnitPerSecond) {
    RandomFeed feed({16384, 16384});
    AnimatedObject kid(model, *physics, feed.random());
    kid.update(feed.random());
    const vec3 velocity = toVec3(kid.body->getLinearVelocity());
    EXPECT_NEAR(velocity.x, 0.0f, 1e-6) << "the identity faces +z";
    EXPECT_NEAR(velocity.z, 1.0f, 1e-6);

    AnimatedObject turned(model, *physics, feed.random());
    turned.modelMatrix = glm::rotate(turned.modelMatrix, 1.5707964f, vec3(0, 1, 0));
    turned.update(feed.random());
    EXPECT_NEAR(turned.body->getLinearVelocity().x(), 1.0f, 1e-6) << "a 90 degree turn walks +x";
    EXPECT_NEAR(turned.body->getLinearVelocity().z(), 0.0f, 1e-6);

    // Whatever it has turned to, each update walks along the body's local +z
    // as the previous update left it, at speed 1, on the level.
    vec3 forward = toVec3(kid.body->getWorldTransform().getBasis().getColumn(2));
    for (int i = 0; i < 600; ++i) {
        physics->step(kFrame);
        kid.update(feed.random());
        const vec3 walk = toVec3(kid.body->getLinearVelocity());
        ASSERT_NEAR(walk.x, forward.x, 1e-5) << "update " << i;
        ASSERT_NEAR(walk.z, forward.z, 1e-5) << "update " << i;
        ASSERT_EQ(walk.y, 0.0f);
        forward = toVec3(kid.body->getWorldTransform().getBasis().getColumn(2));
    }
    EXPECT_LT(kid.body->getWorldTransform().getBasis().getColumn(2).z(), 0.99f) << "it did turn";
}

TEST_F(KidTest, BodyStaysAtHeight1_2WhileTheModelStandsOnZero) {
    Random random;
    AnimatedObject kid(model, *physics, random);
    kid.body->setLinearVelocity(btVector3(0.0f, 30.0f, 0.0f));  // no vertical motion sticks
    for (int i = 0; i < 400; ++i) {
        kid.update(random);
        ASSERT_EQ(kid.modelMatrix[3][1], 0.0f) << "update " << i;
        ASSERT_EQ(kid.modelMatrix[3][0], positionOf(kid.body.get()).x);
        ASSERT_EQ(kid.modelMatrix[3][2], positionOf(kid.body.get()).z);
        physics->step(kFrame);
        ASSERT_NEAR(positionOf(kid.body.get()).y, 1.2f, 1e-4) << "update " << i;
    }
}

TEST_F(KidTest, KidsShareTheModelAndTheLastOneGoingFreesItAndEveryBody) {
    std::weak_ptr<SkinnedModel> shared = model;
    Random random;
    auto first = std::make_unique<AnimatedObject>(model, *physics, random);
    auto second = std::make_unique<AnimatedObject>(model, *physics, random);
    model.reset();
    const int bodies = physics->bodyCount();
    first.reset();
    EXPECT_FALSE(shared.expired());
    EXPECT_EQ(physics->bodyCount(), bodies - 1);
    second->update(random);
    second.reset();
    EXPECT_TRUE(shared.expired()) << "the last kid frees the model, once";
    EXPECT_EQ(physics->bodyCount(), bodies - 2);
}

}  // namespace
}  // namespace dusk::test
