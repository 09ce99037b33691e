#pragma once
#include <memory>
#include <string>

#include "scene/SceneObject.h"

namespace dusk {
class ShaderProgram;
class StaticModel;
}  // namespace dusk

namespace dusk::scene {

// A static textured model drawn with a shader program. The model is shared
// between a prototype and its copies (the last one alive frees it); the
// program is never owned.
class Object : public SceneObject {
public:
    // Loads the model; a failed load leaves an object that draws nothing (the
    // loader prints why). The paths are not kept.
    Object(const std::string& modelPath, const mat4& modelMatrix, ShaderProgram* program,
           const std::string& texturePath);
    // Uses a model that is already made (or empty).
    Object(std::shared_ptr<StaticModel> model, const mat4& modelMatrix, ShaderProgram* program);
    // A copy shares the model and the program; it gets the prototype's matrix
    // and no body.
    Object(const Object& prototype);

    void update(float) override {}
    void draw() override;
    // The renderer switches objects between the depth and the lit program.
    virtual void setProgram(ShaderProgram* newProgram) { program = newProgram; }

    std::shared_ptr<StaticModel> model;
    ShaderProgram* program;
};

std::shared_ptr<StaticModel> loadStaticModel(const std::string& modelPath,
                                             const std::string& texturePath);

}  // namespace dusk::scene
