#pragma once
#include "scene/Object.h"

namespace dusk::scene {

// A tree: a static object with a trunk body the player and the kids bump
// into, and a culling sphere for the view frustum. Prototypes load the model
// and have no body; copies share it, stand at a random spot and own a trunk.
class Tree : public Object {
public:
    Tree(const std::string& modelPath, const mat4& modelMatrix, ShaderProgram* program,
         const std::string& texturePath);
    Tree(std::shared_ptr<StaticModel> model, const mat4& modelMatrix, ShaderProgram* program);
    // Draws two placement values (x, then z) and creates the trunk there.
    Tree(const Tree& prototype);

    // Holds the (static) trunk still. dt is not used.
    void update(float dt) override;
    // Centre 5 above the tree's position, radius 50, whatever the model's size.
    virtual void updateBoundingSphere();

    vec3 boundingCenter{0.0f, 0.0f, 0.0f};
    float boundingRadius = 50.0f;
    double trunkHeight = 5.0;  // half height of the trunk and height of its centre
    double trunkRadius = 0.5;

private:
    void createTrunk();
};

}  // namespace dusk::scene
