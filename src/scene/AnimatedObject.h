#pragma once
#include <GL/glew.h>

#include <memory>
#include <string>
#include <vector>

#include "scene/SceneObject.h"

namespace dusk {
class ShaderProgram;
class SkinnedModel;
}  // namespace dusk

namespace dusk::scene {

// A kid: a skinned, animated model on an upright cylinder body that wanders
// about, turning slowly one way and then the other. The prototype loads the
// model; copies share it (the last one alive frees it), stand at a random spot
// and own a body. Once terrified (setActive(false)) a kid no longer moves but
// is still drawn where it stopped.
class AnimatedObject : public SceneObject {
public:
    // The prototype: loads the model. The texture path is not used (the model
    // picks its own texture). Creates no body.
    AnimatedObject(const std::string& modelPath, const mat4& modelMatrix, ShaderProgram* program,
                   const std::string& texturePath, SceneObject* player);
    // A prototype around a model that is already made.
    AnimatedObject(std::shared_ptr<SkinnedModel> model, const mat4& modelMatrix,
                   ShaderProgram* program, SceneObject* player);
    // A copy: shares model, program and player; starts fresh (active, first
    // stretch of 100 updates); draws two placement values (x, then z).
    AnimatedObject(const AnimatedObject& prototype);

    // While active: bone upload, then wandering. dt is not used.
    void update(float dt) override;
    // Drawn whether active or not.
    void draw() override;
    virtual void setActive(bool isActiveNow) { active = isActiveNow; }
    virtual bool isActive() const { return active; }

    // Poses the model at the library clock and uploads the bone matrices,
    // never more than the program's "gBones" array holds.
    void uploadBones();
    // Turns, walks along the current facing, and follows the body.
    void wander();

    std::shared_ptr<SkinnedModel> model;
    ShaderProgram* program;
    bool active = true;
    SceneObject* player;  // not owned
    double height = 1.2;  // half height of the body and height of its centre
    double radius = 0.9;
    int walkCounter = 0;
    int turnDirection = 1;
    double walkLimit = 100.0;
    // Matrices the program's "gBones" array has room for (asked once per
    // program, by the prototype; copies share its program and the answer).
    int boneCapacity = 0;

private:
    void createBody();
    void followBody();
    std::vector<mat4> boneMatrices;
};

// The declared size of a uniform array that is active in the program (GL
// names it "name[0]"); 1 for an active plain uniform; 0 when not active.
int activeUniformArraySize(GLuint program, const std::string& name);

// The turning speed of one wandering update: direction x (r x 0.3 / 32767) x
// 0.5, so -0.15..0.15 radians per second.
double wanderTurnSpeed(int turnDirection, int randomValue);
// A new stretch length in updates: r x 1500 / 32767 in single precision.
double wanderWalkLimit(int randomValue);

}  // namespace dusk::scene
