#pragma once
#include "scene/Object.h"

namespace dusk::scene {

class PhysicsWorld;

// A tree: a static object with a trunk body the player and the kids bump
// into, and a culling sphere for the view frustum.
class Tree : public Object {
public:
    // Draws two placement values (x, then z) and stands a trunk there.
    Tree(std::shared_ptr<const StaticModel> model, PhysicsWorld& physics, Random& random);
    // A tree at the matrix, without a trunk.
    Tree(std::shared_ptr<const StaticModel> model, const mat4& modelMatrix);

    // Holds the (static) trunk still.
    void update();
    // Centre 5 above the tree's position, radius 50, whatever the model's size.
    void updateBoundingSphere();

    vec3 boundingCenter{0.0f, 0.0f, 0.0f};
    float boundingRadius = 50.0f;
    double trunkHeight = 5.0;  // half height of the trunk and height of its centre
    double trunkRadius = 0.5;

private:
    void createTrunk(PhysicsWorld& physics);
};

}  // namespace dusk::scene
