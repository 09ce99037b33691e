#pragma once
// A recorded round: what it was built from, what every one of its updates
// took, and how it ended. Played again by the same rules it ends the same.
#include <cstdint>
#include <string>
#include <vector>

#include "scene/PlayerControls.h"

namespace dusk {

// One Round::update: its controls, its dt and the clock the kids were posed at.
struct ReplayFrame {
    scene::PlayerControls controls;
    float dt = 0.0f;
    double clock = 0.0;
};

enum class ReplayOutcome : std::uint8_t { Won = 0, Lost = 1, Left = 2 };

// "won", "lost", "left".
const char* replayOutcomeName(ReplayOutcome outcome);

struct Replay {
    // The game that recorded it ("1.1.0"): another version may play by other rules.
    std::string gameVersion;
    std::uint32_t seed = 1;
    std::string difficulty = "Standard";  // Difficulty::name
    std::vector<ReplayFrame> frames;
    ReplayOutcome outcome = ReplayOutcome::Left;
    // stateHash of the round after its last update.
    std::uint64_t finalHash = 0;

    // The round's time: the sum of the frames' dt, added as the round adds them.
    double seconds() const;
};

// The version of the game this build is ("1.1.0").
const char* gameVersion();

}  // namespace dusk
