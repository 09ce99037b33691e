#pragma once
#include <memory>
#include <vector>

#include "math/Random.h"
#include "scene/AnimatedObject.h"
#include "scene/Camera.h"
#include "scene/DirectionalLight.h"
#include "scene/PhysicsWorld.h"
#include "scene/SkyBox.h"
#include "scene/Tree.h"

namespace dusk {
class SkinnedModel;
class StaticModel;
}  // namespace dusk

namespace dusk::scene {

// The models every round's world shows, loaded once and shared.
struct WorldModels {
    std::shared_ptr<const StaticModel> ground;
    std::shared_ptr<const StaticModel> sky;
    std::shared_ptr<SkinnedModel> kid;
    std::shared_ptr<const StaticModel> firstTree;
    std::shared_ptr<const StaticModel> secondTree;
};

// One round's forest: its own physics world, the player's camera, ground and
// sky, the sun, ten kids and seventy trees. Everything here is owned and is
// freed with the world, bodies first, the physics world last.
class World {
public:
    static constexpr int kidCount = 10;
    static constexpr int firstTreeCount = 40;
    static constexpr int secondTreeCount = 30;
    static constexpr std::size_t lanternRoom = 10;  // the shaders' "pLightPos"

    // Bodies enter the physics world in this order: the player, the ground's
    // and then the sky's five planes, the kids, the trees. The kids draw their
    // places from random first, then the trees; the kids wander by it too.
    // random is the round's and outlives the world.
    World(const WorldModels& models, Random& random);
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    // Turns and walks the player by the controls.
    void moveCamera(const PlayerControls& controls);
    // Holds the static bodies still, lets the active kids wander, poses the
    // kids' skeleton at the clock (seconds) while any kid walks, and moves the
    // lanterns to the active kids.
    void updateObjects(double seconds);
    // One frame of physics (see PhysicsWorld::step).
    int step(float dt) { return physics.step(dt); }

    // The kids not yet terrified.
    int activeKidCount() const;

    // Declared first, freed last.
    PhysicsWorld physics;
    Camera camera;
    SkyBox ground;
    SkyBox sky;
    DirectionalLight light;
    std::vector<std::unique_ptr<AnimatedObject>> kids;
    std::vector<std::unique_ptr<Tree>> trees;
    // The walk's bone matrices at the last update with a kid walking; every
    // kid is drawn with them.
    std::vector<mat4> kidPose;
    // The lanterns of the active kids, in kid order.
    std::vector<vec3> lanterns;

private:
    std::shared_ptr<SkinnedModel> kidModel;
    Random& random;
};

}  // namespace dusk::scene
