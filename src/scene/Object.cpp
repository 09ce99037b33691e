#include "scene/Object.h"

#include <utility>

#include "assets/StaticModel.h"
#include "render/ShaderProgram.h"
#include "render/Uniforms.h"

namespace dusk::scene {

std::shared_ptr<StaticModel> loadStaticModel(const std::string& modelPath,
                                             const std::string& texturePath) {
    auto model = std::make_shared<StaticModel>();
    model->load(modelPath, texturePath);  // failures are printed by the loader
    return model;
}

Object::Object(const std::string& modelPath, const mat4& modelMatrix, ShaderProgram* program,
               const std::string& texturePath)
    : Object(loadStaticModel(modelPath, texturePath), modelMatrix, program) {}

Object::Object(std::shared_ptr<StaticModel> model, const mat4& modelMatrix, ShaderProgram* program)
    : SceneObject(modelMatrix), model(std::move(model)), program(program) {}

Object::Object(const Object& prototype)
    : SceneObject(prototype.modelMatrix), model(prototype.model), program(prototype.program) {}

void Object::draw() {
    glUseProgram(program->program);
    setUniform(program->program, "model", modelMatrix);
    setUniform(program->program, "color_texture", 0);
    model->draw();
}

}  // namespace dusk::scene
