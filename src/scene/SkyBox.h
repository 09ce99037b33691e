#pragma once
#include "scene/Object.h"

namespace dusk::scene {

// The ground and the sky: a static object whose body is the ground plane
// (surface y = 1), with four upright planes walling in the play area at about
// +-74. Destroying it takes all five bodies out of the world.
class SkyBox : public Object {
public:
    SkyBox(const std::string& modelPath, const mat4& modelMatrix, ShaderProgram* program,
           const std::string& texturePath);
    SkyBox(std::shared_ptr<StaticModel> model, const mat4& modelMatrix, ShaderProgram* program);
    ~SkyBox() override;
    SkyBox(const SkyBox&) = delete;

    // Holds the ground and the walls still. dt is not used.
    void update(float dt) override;
    void buildWalls();

    // +z, -z, +x, -x.
    btRigidBody* walls[4] = {nullptr, nullptr, nullptr, nullptr};

private:
    void buildGround();
};

}  // namespace dusk::scene
