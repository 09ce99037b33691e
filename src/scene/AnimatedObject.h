#pragma once
#include <memory>

#include "scene/SceneObject.h"

namespace dusk {
class SkinnedModel;
}

namespace dusk::scene {

class PhysicsWorld;

// A kid: a skinned, animated model on an upright cylinder body that wanders
// about, turning slowly one way and then the other. The model is shared by
// every kid of every round. Once terrified (setActive(false)) a kid no longer
// moves but is still drawn where it stopped.
class AnimatedObject : public SceneObject {
public:
    // Draws two placement values (x, then z) and stands a body there; the
    // kid starts active, on a first stretch of 100 updates.
    AnimatedObject(std::shared_ptr<const SkinnedModel> model, PhysicsWorld& physics,
                   Random& random);

    // While active: wandering (draws from the round's generator).
    void update(Random& random);
    void setActive(bool isActiveNow) { active = isActiveNow; }
    bool isActive() const { return active; }

    // Turns, walks along the current facing, and follows the body.
    void wander(Random& random);

    std::shared_ptr<const SkinnedModel> model;
    bool active = true;
    double height = 1.2;  // half height of the body and height of its centre
    double radius = 0.9;
    int walkCounter = 0;
    int turnDirection = 1;
    double walkLimit = 100.0;

private:
    void createBody(PhysicsWorld& physics);
    void followBody();
};

// The turning speed of one wandering update: direction x (r x 0.3 / 32767) x
// 0.5, so -0.15..0.15 radians per second.
double wanderTurnSpeed(int turnDirection, int randomValue);
// A new stretch length in updates: r x 1500 / 32767 in single precision.
double wanderWalkLimit(int randomValue);

}  // namespace dusk::scene
