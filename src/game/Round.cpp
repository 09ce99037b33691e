#include "game/Round.h"

#include "game/Rules.h"

namespace dusk {

Round::Round(const scene::WorldModels& models, std::uint32_t seed, const Difficulty& difficulty)
    : magic(difficulty.startMagic),
      seed_(seed),
      difficulty_(difficulty),
      random_(seed),
      world_(std::make_unique<scene::World>(models, random_)),
      seers(world_->kids.size(), false),
      reachable(world_->kids.size(), false) {}

std::vector<RoundEvent> Round::update(const scene::PlayerControls& controls, float dt,
                                      double seconds) {
    std::vector<RoundEvent> events;
    if (finished) {
        return events;
    }
    elapsed += dt;
    health = regenerateHealth(health, maxHealth, dt, difficulty_.regenerationPerSecond);
    magic = static_cast<float>(magic + dt * difficulty_.magicPerSecond);
    world_->moveCamera(controls);
    if (controls.fly && magic >= dt) {
        world_->camera.fly();
        magic -= dt;
    }
    world_->updateObjects(seconds);
    judgeKids(dt, controls.scream, events);
    world_->step(dt);
    return events;
}

void Round::judgeKids(float dt, bool screaming, std::vector<RoundEvent>& events) {
    const vec3 player(world_->camera.modelMatrix[3]);
    auto& kids = world_->kids;
    const bool fairStart = elapsed < difficulty_.fairStartSeconds;
    for (size_t i = 0; i < kids.size(); ++i) {
        seers[i] = !fairStart && kidSeesPlayer(player, kids[i]->modelMatrix, difficulty_.sight);
        reachable[i] = !seers[i] && kids[i]->isActive() &&
                       screamReaches(player, kids[i]->modelMatrix, difficulty_.screamReach);
    }
    const int total = static_cast<int>(kids.size());
    for (size_t i = 0; i < kids.size() && !finished; ++i) {
        scene::AnimatedObject& kid = *kids[i];
        if (seers[i]) {
            if (kid.isActive()) {
                health -= dt * difficulty_.drainPerSecond;
                if (health <= 0.0f) {
                    finished = true;
                    events.push_back({RoundEvent::Kind::Lost, player, world_->activeKidCount(),
                                      total, static_cast<int>(i)});
                }
            }
            continue;
        }
        if (!screaming || !reachable[i]) {
            continue;
        }
        kid.setActive(false);
        reachable[i] = false;
        const int left = world_->activeKidCount();
        events.push_back({RoundEvent::Kind::KidTerrified, vec3(kid.modelMatrix[3]), left, total});
        if (left == 0) {
            finished = true;
            events.push_back({RoundEvent::Kind::Won, player, 0, total});
        }
    }
}

int Round::kidsFrightened() const {
    return static_cast<int>(world_->kids.size()) - world_->activeKidCount();
}

bool Round::seen() const {
    const auto& kids = world_->kids;
    for (size_t i = 0; i < kids.size(); ++i) {
        if (seers[i] && kids[i]->isActive()) {
            return true;
        }
    }
    return false;
}

}  // namespace dusk
