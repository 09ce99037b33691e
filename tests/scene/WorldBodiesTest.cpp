// The bodies of the player, the trees, the ground and the walls in a real
// world: where they rest, what holds them, and what the walls keep in.
#include <random>

#include "SceneTestSupport.h"
#include "assets/StaticModel.h"
#include "scene/Camera.h"
#include "scene/SkyBox.h"
#include "scene/Tree.h"

namespace dusk::test {
namespace {

using scene::Camera;
using scene::MovementKeys;
using scene::SkyBox;
using scene::Tree;

constexpr float kFrame = 1.0f / 60.0f;
constexpr float kHalfPi = 1.5707964f;

std::unique_ptr<SkyBox> makeGround(scene::PhysicsWorld& physics) {
    return std::make_unique<SkyBox>(std::make_shared<StaticModel>(), mat4(1.0f), physics);
}

MovementKeys runForward() {
    MovementKeys keys;
    keys.forward = true;
    keys.run = true;
    return keys;
}

// The game's frame for the player: walk, then step the world.
void walk(scene::PhysicsWorld& physics, Camera& camera, const MovementKeys& keys, int frames,
          float dt = kFrame) {
    for (int i = 0; i < frames; ++i) {
        camera.move(keys);
        physics.step(dt);
    }
}

void placeBody(btRigidBody* body, const vec3& position) {
    btTransform transform = body->getWorldTransform();
    transform.setOrigin(btVector3(position.x, position.y, position.z));
    body->setWorldTransform(transform);
}

TEST_F(PhysicsTest, PlayerFallsFreelyWithNothingBelowAndRestsOnTheGroundAt2_5) {
    {
        Camera camera(*physics);
        EXPECT_EQ(positionOf(camera.body.get()), vec3(-7.0f, 1.5f, 1.0f));
        stepFrames(*physics, 30, kFrame);
        EXPECT_NEAR(camera.body->getLinearVelocity().y(), -100.0f, 1e-2);
        EXPECT_LT(positionOf(camera.body.get()).y, 1.5f - 25.0f);
    }
    auto ground = makeGround(*physics);
    Camera camera(*physics);
    walk(*physics, camera, MovementKeys{}, 120);
    const vec3 rest = positionOf(camera.body.get());
    EXPECT_NEAR(rest.y, 2.5f, 0.05f) << "ground surface y = 1 plus the half height 1.5";
    EXPECT_NEAR(rest.x, -7.0f, 1e-3);
    EXPECT_NEAR(rest.z, 1.0f, 1e-3);
    EXPECT_EQ(vec3(camera.modelMatrix[3]), positionOf(camera.body.get()))
        << "the eye follows the body";
}

TEST_F(PhysicsTest, TreeTrunkStandsAtItsSpotAndDoesNotYieldToTheRunningPlayer) {
    auto ground = makeGround(*physics);
    RandomFeed feed({16384, 16602});  // x = 0.0023, z = 1.0002
    Tree tree(std::make_shared<StaticModel>(), *physics, feed.random());
    const vec3 trunk = positionOf(tree.body.get());
    EXPECT_NEAR(trunk.x, 0.0023f, 1e-4);
    EXPECT_FLOAT_EQ(trunk.y, 5.0f);
    EXPECT_NEAR(trunk.z, 1.0002f, 1e-4);
    EXPECT_TRUE(tree.body->isStaticObject());
    EXPECT_EQ(tree.boundingCenter, vec3(tree.modelMatrix[3]) + vec3(0.0f, 5.0f, 0.0f));
    EXPECT_EQ(tree.boundingRadius, 50.0f);

    Camera camera(*physics);
    camera.horizontalAngle = kHalfPi;  // facing +x, straight at the trunk
    // Head on for a second and a quarter (the free run would reach x = 3),
    // then on until it has slid round the trunk.
    for (int frame = 0; frame < 75; ++frame) {
        tree.update();
        camera.move(runForward());
        physics->step(kFrame);
    }
    EXPECT_EQ(positionOf(tree.body.get()), trunk);
    // Stopped against the trunk: centres one player radius plus one trunk
    // radius apart.
    EXPECT_NEAR(positionOf(camera.body.get()).x, trunk.x - 1.0f, 0.05f);
    for (int frame = 0; frame < 120; ++frame) {
        tree.update();
        camera.move(runForward());
        physics->step(kFrame);
    }
    EXPECT_EQ(positionOf(tree.body.get()), trunk);
    EXPECT_GT(positionOf(camera.body.get()).x, trunk.x + 1.0f)
        << "the test wants a run past the trunk";
}

TEST_F(PhysicsTest, WallsStandUprightAtTheEdgeLeaningSlightlyUp) {
    auto sky = makeGround(*physics);
    // +z, -z, +x, -x: each normal points into the play area.
    const vec3 inward[4] = {{0, 0, -1}, {0, 0, 1}, {-1, 0, 0}, {1, 0, 0}};
    for (int i = 0; i < 4; ++i) {
        const btTransform& transform = sky->walls[i]->getWorldTransform();
        const vec3 normal = toVec3(transform.getBasis() * btVector3(0, 1, 0));
        EXPECT_NEAR(normal.x, inward[i].x, 1e-5) << "wall " << i;
        EXPECT_NEAR(normal.z, inward[i].z, 1e-5) << "wall " << i;
        EXPECT_NEAR(normal.y, 0.0008f, 2e-5) << "the angle is 1.57, not pi/2";
        // The surface is where normal . (point - origin) = 1: 74 from the
        // centre, which lies on the open side.
        const vec3 origin = toVec3(transform.getOrigin());
        EXPECT_NEAR(glm::dot(normal, vec3(0.0f) - origin) - 1.0f, 74.0f, 1e-3) << "wall " << i;
    }
}

TEST_F(PhysicsTest, RunningIntoEachWallForTenSecondsStaysInside) {
    auto ground = makeGround(*physics);
    // Facing +z, -z, +x, -x in turn; the component that runs into the wall.
    const float headings[4] = {0.0f, 2.0f * kHalfPi, kHalfPi, -kHalfPi};
    const int axis[4] = {2, 2, 0, 0};
    const float sign[4] = {1.0f, -1.0f, 1.0f, -1.0f};
    for (int i = 0; i < 4; ++i) {
        Camera camera(*physics);
        vec3 start(0.0f, 2.5f, 0.0f);
        start[axis[i]] = sign[i] * 50.0f;  // reaches the wall after about 3.5 s
        placeBody(camera.body.get(), start);
        camera.horizontalAngle = headings[i];
        float highest = 0.0f;
        for (int frame = 0; frame < 600; ++frame) {
            walk(*physics, camera, runForward(), 1);
            highest = std::max(highest, positionOf(camera.body.get()).y);
        }
        const vec3 end = positionOf(camera.body.get());
        EXPECT_GT(sign[i] * end[axis[i]], 73.0f) << "heading " << i << " never reached its wall";
        EXPECT_LT(sign[i] * end[axis[i]], 73.6f) << "heading " << i << " went through its wall";
        EXPECT_LT(highest, 2.6f) << "heading " << i << " climbed the leaning wall";
    }
}

TEST_F(PhysicsTest, LongRandomWalkWithFlightNeverLeavesTheAreaNorSinksThroughTheGround) {
    auto ground = makeGround(*physics);
    Camera camera(*physics);
    std::mt19937 random(20240611u);
    std::uniform_real_distribution<float> frameTime(0.004f, 0.12f);
    std::uniform_real_distribution<double> cursor(-60.0, 60.0);
    std::bernoulli_distribution chance(0.5);
    MovementKeys keys;
    bool flying = false;
    for (int frame = 0; frame < 8000; ++frame) {
        if (frame % 40 == 0) {
            keys = {chance(random), chance(random), chance(random), chance(random), chance(random)};
            flying = frame % 200 < 40;
        }
        camera.turn(0.002f * static_cast<float>(cursor(random)),
                    0.002f * static_cast<float>(cursor(random) * 0.05));
        camera.move(keys);
        if (flying) {
            camera.fly();
        }
        physics->step(frameTime(random));
        const vec3 at = positionOf(camera.body.get());
        ASSERT_LT(std::abs(at.x), 73.6f) << "frame " << frame;
        ASSERT_LT(std::abs(at.z), 73.6f) << "frame " << frame;
        ASSERT_GT(at.y, 2.0f) << "frame " << frame;
    }
    walk(*physics, camera, MovementKeys{}, 60);
    EXPECT_NEAR(positionOf(camera.body.get()).y, 2.5f, 0.05f);
}

TEST_F(PhysicsTest, DestroyedObjectsTakeTheirBodiesOutOfTheWorld) {
    auto ground = makeGround(*physics);
    EXPECT_EQ(physics->bodyCount(), 5) << "ground plane and four walls";
    Random random;
    auto tree = std::make_unique<Tree>(std::make_shared<StaticModel>(), *physics, random);
    auto camera = std::make_unique<Camera>(*physics);
    EXPECT_EQ(physics->bodyCount(), 7);
    tree.reset();
    camera.reset();
    EXPECT_EQ(physics->bodyCount(), 5);
    ground.reset();
    EXPECT_EQ(physics->bodyCount(), 0);
    stepFrames(*physics, 3, kFrame);
}

}  // namespace
}  // namespace dusk::test
