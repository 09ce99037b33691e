#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "game/Difficulty.h"
#include "game/RoundEvent.h"
#include "math/Random.h"
#include "scene/PlayerControls.h"
#include "scene/World.h"

namespace dusk {

// One round: its forest, the player's health and magic, and the judging of
// the kids. It draws nothing, reads no device and prints nothing: the frame's
// controls come in, what happened goes out as events.
class Round {
public:
    static constexpr float startHealth = 2.0f;

    // Starts the round's generator at seed, then builds the forest (so one
    // seed always gives one forest). The round plays by the difficulty's numbers
    // from its first frame to its last.
    Round(const scene::WorldModels& models, std::uint32_t seed,
          const Difficulty& difficulty = Difficulty::standard());

    // One frame of play, in this order: health comes back, magic grows, the
    // player turns and walks, flies while magic lasts, the world moves, every
    // kid is judged (a kid that sees the player drains health; a scream
    // terrifies a kid within reach that does not), physics steps. Judging
    // stops at the frame's end of the round. seconds is the clock the kids'
    // walk is posed at. Does nothing once the round is over.
    std::vector<RoundEvent> update(const scene::PlayerControls& controls, float dt, double seconds);

    bool over() const { return finished; }
    // The round's time: the sum of its updates' dt, so it stands still while
    // the round does (paused, ended).
    double seconds() const { return elapsed; }
    // The kids terrified so far.
    int kidsFrightened() const;
    bool won() const { return finished && world_->activeKidCount() == 0; }
    std::uint32_t seed() const { return seed_; }
    // The numbers this round plays by (its name for the end screen and records).
    const Difficulty& difficulty() const { return difficulty_; }

    // 0..1 of the full health and of the starting magic.
    float healthFraction() const { return maxHealth > 0.0f ? health / maxHealth : 0.0f; }
    float magicFraction() const { return magic / difficulty_.startMagic; }
    // Whether a kid still walking saw the player in the last update.
    bool seen() const;
    // Which kids saw the player in the last update, by the rules' own test
    // (in kid order; terrified kids included).
    const std::vector<bool>& sightings() const { return seers; }
    // Which kids a scream would have terrified in the last update, judged
    // with the sightings by the same test the scream is: active, not seeing
    // the player, within the difficulty's reach (in kid order; a kid the
    // update terrified is no longer in reach).
    const std::vector<bool>& inReach() const { return reachable; }

    scene::World& world() { return *world_; }
    const scene::World& world() const { return *world_; }

    float health = startHealth;
    float maxHealth = startHealth;
    float magic;

private:
    void judgeKids(float dt, bool screaming, std::vector<RoundEvent>& events);

    std::uint32_t seed_;
    Difficulty difficulty_;
    Random random_;  // the forest's draws and the kids' wandering; before the world
    std::unique_ptr<scene::World> world_;
    std::vector<bool> seers;
    std::vector<bool> reachable;
    double elapsed = 0.0;
    bool finished = false;
};

}  // namespace dusk
