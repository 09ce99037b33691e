// The physics world on its own: creation, gravity, the fixed-step clock and
// the release of bodies.
#include "SceneTestSupport.h"
#include "scene/Physics.h"

namespace dusk::test {
namespace {

using scene::createPhysicsWorld;
using scene::createRigidBody;
using scene::physicsWorld;
using scene::releaseRigidBody;
using scene::stepPhysics;

void countTick(btDynamicsWorld* world, btScalar) {
    ++*static_cast<int*>(world->getWorldUserInfo());
}

btRigidBody* fallingBall() {
    return createRigidBody(new btSphereShape(0.5f), 0.0f, 100.0f, 0.0f, 1.0f);
}

TEST_F(PhysicsTest, SecondCreationReturnsTheFirstWorldWithTheGameGravity) {
    btDiscreteDynamicsWorld* first = physicsWorld;
    ASSERT_NE(first, nullptr);
    createRigidBody(new btSphereShape(1.0f), 0.0f, 0.0f, 0.0f, 0.0f);

    EXPECT_EQ(createPhysicsWorld(), first);
    EXPECT_EQ(physicsWorld, first);
    EXPECT_EQ(first->getNumCollisionObjects(), 1) << "the second call must not rebuild the world";
    EXPECT_FLOAT_EQ(first->getGravity().y(), -200.0f);
}

TEST_F(PhysicsTest, FrameTimeRunsFixedSubStepsAtMostTenAndCarriesTheRemainder) {
    int ticks = 0;
    physicsWorld->setInternalTickCallback(countTick, &ticks);
    btRigidBody* ball = fallingBall();

    // A frame shorter than a sub-step moves nothing; its time is kept.
    const vec3 start = positionOf(ball);
    EXPECT_EQ(stepPhysics(0.01f), 0);
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(positionOf(ball), start);
    EXPECT_EQ(stepPhysics(0.01f), 1);
    EXPECT_EQ(ticks, 1);
    EXPECT_LT(positionOf(ball).y, start.y);

    // One second asks for 60 sub-steps; only 10 (1/6 s of simulated time) run.
    ticks = 0;
    const float before = ball->getLinearVelocity().y();
    EXPECT_EQ(stepPhysics(1.0f), 10);
    EXPECT_EQ(ticks, 10);
    EXPECT_NEAR(ball->getLinearVelocity().y() - before, -200.0f * 10.0f / 60.0f, 1e-3);
}

TEST_F(PhysicsTest, ReleasingABodyTakesItOutOnceAndNeverTwice) {
    btRigidBody* kept = fallingBall();
    btRigidBody* released = fallingBall();
    ASSERT_EQ(physicsWorld->getNumCollisionObjects(), 2);

    releaseRigidBody(released);
    EXPECT_EQ(physicsWorld->getNumCollisionObjects(), 1);
    EXPECT_EQ(physicsWorld->getCollisionObjectArray()[0], kept);
    releaseRigidBody(nullptr);
    EXPECT_EQ(physicsWorld->getNumCollisionObjects(), 1);
    stepFrames(5, 1.0f / 60.0f);  // the world no longer touches the freed body

    // Once the world is gone its bodies are gone with it: releasing a stale
    // pointer then must do nothing (the sanitizer build watches this).
    scene::destroyPhysicsWorld();
    EXPECT_EQ(physicsWorld, nullptr);
    releaseRigidBody(kept);
    createPhysicsWorld();
    EXPECT_EQ(physicsWorld->getNumCollisionObjects(), 0);
}

}  // namespace
}  // namespace dusk::test
