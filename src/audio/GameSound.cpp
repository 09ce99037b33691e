#include "audio/GameSound.h"

#include <cmath>
#include <optional>

#include "assets/Animation.h"
#include "assets/SkinnedModel.h"
#include "game/Round.h"

namespace dusk {

namespace {

// The kid's walk plants the left foot a quarter into the cycle and the right
// one three quarters in.
constexpr float kFirstFootfall = 0.25f;

float kidStride(const scene::AnimatedObject& kid, float seconds) {
    const std::optional<AnimationClock> walk = kid.model ? kid.model->walkClock() : std::nullopt;
    if (!walk) {
        return stridePhase(1.0, 1.0, seconds);
    }
    return stridePhase(walk->ticksPerSecond, walk->duration, seconds);
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

audio::SoundFrame soundFrameOf(const Round& round, float dt, bool screamKeyDown, double seconds) {
    const scene::World& world = round.world();
    audio::SoundFrame frame;
    frame.listener = audio::poseFromView(world.camera.getViewMatrix());
    const auto clock = static_cast<float>(seconds);
    frame.kids.reserve(world.kids.size());
    for (const auto& kid : world.kids) {
        frame.kids.push_back({vec3(kid->modelMatrix[3]), kid->isActive(), kidStride(*kid, clock)});
    }
    frame.seen = round.seen();
    frame.health = round.healthFraction();
    frame.screamKeyDown = screamKeyDown;
    frame.dt = dt;
    return frame;
}

}  // namespace dusk
