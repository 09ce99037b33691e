#include "scene/AnimatedObject.h"

#include <GLFW/glfw3.h>
#include <btBulletDynamicsCommon.h>

#include <algorithm>
#include <cstdint>
#include <utility>

#include "base/Console.h"
#include "assets/SkinnedModel.h"
#include "math/Random.h"
#include "render/ShaderProgram.h"
#include "render/Uniforms.h"
#include "scene/FacingAngle.h"
#include "scene/Physics.h"

namespace dusk::scene {

namespace {

std::shared_ptr<SkinnedModel> loadSkinnedModel(const std::string& modelPath) {
    auto model = std::make_shared<SkinnedModel>();
    model->load(modelPath);  // failures are printed by the loader
    return model;
}

int boneCapacityOf(const ShaderProgram* program) {
    return program == nullptr ? 0 : activeUniformArraySize(program->program, "gBones");
}

void warnIfSkeletonTooLarge(const SkinnedModel& model, int capacity) {
    if (static_cast<int64_t>(model.boneCount) <= capacity) {
        return;
    }
    printLine("Warning: the model has " + std::to_string(model.boneCount) +
              " bones, the shader has room for " + std::to_string(capacity) +
              "; extra bones are ignored");
}

}  // namespace

int activeUniformArraySize(GLuint program, const std::string& name) {
    GLint count = 0;
    GLint longest = 0;
    glGetProgramiv(program, GL_ACTIVE_UNIFORMS, &count);
    glGetProgramiv(program, GL_ACTIVE_UNIFORM_MAX_LENGTH, &longest);
    std::vector<GLchar> buffer(static_cast<size_t>(std::max(longest, 1)));
    const std::string arrayName = name + "[0]";
    for (GLint i = 0; i < count; ++i) {
        GLsizei length = 0;
        GLint size = 0;
        GLenum type = 0;
        glGetActiveUniform(program, static_cast<GLuint>(i), static_cast<GLsizei>(buffer.size()),
                           &length, &size, &type, buffer.data());
        const std::string found(buffer.data(), static_cast<size_t>(length));
        if (found == arrayName || found == name) {
            return size;
        }
    }
    return 0;
}

double wanderTurnSpeed(int turnDirection, int randomValue) {
    const double r = static_cast<float>(randomValue);
    return turnDirection * (r * 0.3 / 32767.0) * 0.5;
}

double wanderWalkLimit(int randomValue) {
    return static_cast<float>(randomValue) * 1500.0f / 32767.0f;
}

AnimatedObject::AnimatedObject(const std::string& modelPath, const mat4& modelMatrix,
                               ShaderProgram* program, const std::string&, SceneObject* player)
    : AnimatedObject(loadSkinnedModel(modelPath), modelMatrix, program, player) {}

AnimatedObject::AnimatedObject(std::shared_ptr<SkinnedModel> model, const mat4& modelMatrix,
                               ShaderProgram* program, SceneObject* player)
    : SceneObject(modelMatrix),
      model(std::move(model)),
      program(program),
      player(player),
      boneCapacity(boneCapacityOf(program)) {
    warnIfSkeletonTooLarge(*this->model, boneCapacity);
}

AnimatedObject::AnimatedObject(const AnimatedObject& prototype)
    : SceneObject(prototype.modelMatrix),
      model(prototype.model),
      program(prototype.program),
      player(prototype.player),
      boneCapacity(prototype.boneCapacity) {
    placeRandomly();
    createBody();
}

void AnimatedObject::createBody() {
    const auto halfHeight = static_cast<float>(height);
    auto* shape =
        new btCylinderShape(btVector3(static_cast<float>(radius), halfHeight, halfHeight));
    body = createRigidBody(shape, modelMatrix[3][0], halfHeight, modelMatrix[3][2], 1.0f);
    // The linear factor also scales gravity: the body never moves vertically.
    body->setLinearFactor(btVector3(1.0f, 0.0f, 1.0f));
    body->setAngularFactor(btVector3(0.0f, 1.0f, 0.0f));
}

void AnimatedObject::update(float) {
    if (!active) {
        return;
    }
    uploadBones();
    wander();
}

void AnimatedObject::draw() {
    glUseProgram(program->program);
    setUniform(program->program, "model", modelMatrix);
    setUniform(program->program, "color_texture", 0);
    model->draw();
}

void AnimatedObject::uploadBones() {
    glUseProgram(program->program);
    const auto seconds = static_cast<float>(glfwGetTime());
    model->boneTransforms(seconds, boneMatrices);
    // A skeleton larger than the shader's array would write past its end.
    const int count = std::min(static_cast<int>(boneMatrices.size()), boneCapacity);
    if (count > 0) {
        setUniformArray(program->program, "gBones", boneMatrices.data(), count);
    }
}

void AnimatedObject::wander() {
    double turn = 0.0;
    if (static_cast<double>(walkCounter) < walkLimit) {
        turn = wanderTurnSpeed(turnDirection, gameRand());
        ++walkCounter;
    } else {
        turnDirection = -turnDirection;
        walkCounter = 0;
        walkLimit = wanderWalkLimit(gameRand());
    }
    body->activate();
    body->setAngularVelocity(btVector3(0.0f, static_cast<float>(turn), 0.0f));

    // The facing before this update's refresh.
    const vec3 walk = walkDirection(facingAngleDegrees(modelMatrix));
    body->setLinearVelocity(btVector3(walk.x, 0.0f, walk.z));
    followBody();
}

void AnimatedObject::followBody() {
    const btTransform& transform = body->getWorldTransform();
    const btMatrix3x3& rotation = transform.getBasis();
    for (int column = 0; column < 3; ++column) {
        for (int row = 0; row < 3; ++row) {
            modelMatrix[column][row] = rotation[row][column];
        }
        modelMatrix[column][3] = 0.0f;
    }
    // The model stands on y = 0 whatever the height of the body's centre.
    const btVector3& origin = transform.getOrigin();
    modelMatrix[3] = vec4(origin.x(), 0.0f, origin.z(), 1.0f);
}

}  // namespace dusk::scene
