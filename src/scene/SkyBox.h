#pragma once
#include "scene/Object.h"

namespace dusk::scene {

class PhysicsWorld;

// The ground and the sky: a static object whose body is the ground plane
// (surface y = 1), with four upright planes walling in the play area at about
// +-74. Destroying it takes all five bodies out of the world.
class SkyBox : public Object {
public:
    SkyBox(std::shared_ptr<const StaticModel> model, const mat4& modelMatrix,
           PhysicsWorld& physics);

    // Holds the ground and the walls still.
    void update();
    // Builds the walls again for the current area, replacing the old ones.
    void buildWalls();

    // +z, -z, +x, -x.
    Body walls[4];

private:
    void buildGround();

    PhysicsWorld& physics;
};

}  // namespace dusk::scene
