// The physics world on its own: creation, gravity, the fixed-step clock and
// the release of bodies.
#include "SceneTestSupport.h"
#include "scene/Body.h"

namespace dusk::test {
namespace {

void countTick(btDynamicsWorld* world, btScalar) {
    ++*static_cast<int*>(world->getWorldUserInfo());
}

btRigidBody* fallingBall(scene::PhysicsWorld& physics) {
    return physics.addBody(new btSphereShape(0.5f), 0.0f, 100.0f, 0.0f, 1.0f);
}

TEST_F(PhysicsTest, EachWorldIsItsOwnWithTheGameGravity) {
    scene::PhysicsWorld other;
    physics->addBody(new btSphereShape(1.0f), 0.0f, 0.0f, 0.0f, 0.0f);
    EXPECT_EQ(physics->bodyCount(), 1);
    EXPECT_EQ(other.bodyCount(), 0);
    EXPECT_FLOAT_EQ(physics->dynamics().getGravity().y(), -200.0f);
    EXPECT_FLOAT_EQ(other.dynamics().getGravity().y(), -200.0f);
}

TEST_F(PhysicsTest, FrameTimeRunsFixedSubStepsAtMostTenAndCarriesTheRemainder) {
    int ticks = 0;
    physics->dynamics().setInternalTickCallback(countTick, &ticks);
    btRigidBody* ball = fallingBall(*physics);

    // A frame shorter than a sub-step moves nothing; its time is kept.
    const vec3 start = positionOf(ball);
    EXPECT_EQ(physics->step(0.01f), 0);
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(positionOf(ball), start);
    EXPECT_EQ(physics->step(0.01f), 1);
    EXPECT_EQ(ticks, 1);
    EXPECT_LT(positionOf(ball).y, start.y);

    // One second asks for 60 sub-steps; only 10 (1/6 s of simulated time) run.
    ticks = 0;
    const float before = ball->getLinearVelocity().y();
    EXPECT_EQ(physics->step(1.0f), 10);
    EXPECT_EQ(ticks, 10);
    EXPECT_NEAR(ball->getLinearVelocity().y() - before, -200.0f * 10.0f / 60.0f, 1e-3);
}

TEST_F(PhysicsTest, RemovingABodyTakesItOutOnceAndNeverTwice) {
    btRigidBody* kept = fallingBall(*physics);
    btRigidBody* removed = fallingBall(*physics);
    ASSERT_EQ(physics->bodyCount(), 2);

    physics->removeBody(removed);
    EXPECT_EQ(physics->bodyCount(), 1);
    EXPECT_EQ(physics->dynamics().getCollisionObjectArray()[0], kept);
    physics->removeBody(removed);  // no longer held: nothing is freed twice
    physics->removeBody(nullptr);
    EXPECT_EQ(physics->bodyCount(), 1);
    stepFrames(*physics, 5, 1.0f / 60.0f);  // the world no longer touches the freed body
}

// A body handle frees its body once, whether it goes first or hands the body
// on; a world that goes first frees what it still holds (the sanitizer build
// watches both).
TEST_F(PhysicsTest, BodyHandlesFreeTheirBodyOnce) {
    {
        scene::Body first(*physics, new btSphereShape(0.5f), 0.0f, 5.0f, 0.0f, 1.0f);
        scene::Body second = std::move(first);
        EXPECT_FALSE(first);
        EXPECT_EQ(physics->bodyCount(), 1);
        second = scene::Body(*physics, new btSphereShape(0.5f), 0.0f, 9.0f, 0.0f, 1.0f);
        EXPECT_EQ(physics->bodyCount(), 1) << "the replaced body went";
        EXPECT_FLOAT_EQ(second->getWorldTransform().getOrigin().y(), 9.0f);
    }
    EXPECT_EQ(physics->bodyCount(), 0);
    auto shortLived = std::make_unique<scene::PhysicsWorld>();
    fallingBall(*shortLived);
    shortLived.reset();
}

}  // namespace
}  // namespace dusk::test
