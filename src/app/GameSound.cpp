#include "app/GameSound.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <cmath>

#include "app/Game.h"
#include "app/Rules.h"
#include "assets/Animation.h"
#include "assets/SkinnedModel.h"
#include "scene/AnimatedObject.h"
#include "scene/Camera.h"

namespace dusk {

namespace {

// The kid's walk plants the left foot a quarter into the cycle and the right
// one three quarters in.
constexpr float kFirstFootfall = 0.25f;

float kidStride(const scene::AnimatedObject& kid, float seconds) {
    const aiScene* scene = kid.model ? kid.model->scene : nullptr;
    if (scene == nullptr || scene->mNumAnimations == 0) {
        return stridePhase(1.0, 1.0, seconds);
    }
    const aiAnimation& walk = *scene->mAnimations[0];
    return stridePhase(walk.mTicksPerSecond, walk.mDuration, seconds);
}

}  // namespace

float stridePhase(double ticksPerSecond, double duration, float seconds) {
    if (!(duration > 0.0)) {
        return 0.0f;
    }
    const float cycle = animationTime(seconds, ticksPerSecond, duration) / float(duration);
    const float phase = cycle - kFirstFootfall;
    return phase - std::floor(phase);
}

audio::SoundFrame soundFrameOf(const Game& game, float dt, bool screamKeyDown) {
    audio::SoundFrame frame;
    frame.listener = audio::poseFromView(game.camera->getViewMatrix());
    const vec3 player(game.camera->modelMatrix[3]);
    const auto seconds = static_cast<float>(glfwGetTime());
    frame.kids.reserve(game.kids.size());
    for (const auto* kid : game.kids) {
        const bool active = kid->isActive();
        frame.kids.push_back({vec3(kid->modelMatrix[3]), active, kidStride(*kid, seconds)});
        frame.seen = frame.seen || (active && kidSeesPlayer(player, kid->modelMatrix));
    }
    frame.health = game.maxHealth > 0.0f ? game.health / game.maxHealth : 0.0f;
    frame.screamKeyDown = screamKeyDown;
    frame.dt = dt;
    return frame;
}

}  // namespace dusk
