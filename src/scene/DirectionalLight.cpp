#include "scene/DirectionalLight.h"

#include <utility>

#include "render/ShaderProgram.h"
#include "render/Uniforms.h"

namespace dusk::scene {

DirectionalLight::DirectionalLight(const mat4& modelMatrix, std::vector<ShaderProgram*> programs,
                                   const vec3& direction)
    : SceneObject(modelMatrix), programs(std::move(programs)), direction(direction) {}

void DirectionalLight::draw() {
    for (ShaderProgram* shader : programs) {
        glUseProgram(shader->program);
        setUniform(shader->program, "lightDir", direction);
    }
}

}  // namespace dusk::scene
