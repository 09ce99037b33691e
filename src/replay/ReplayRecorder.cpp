#include "replay/ReplayRecorder.h"

#include "game/Round.h"
#include "game/StateHash.h"
#include "replay/ReplayFile.h"

namespace dusk {

ReplayOutcome roundOutcome(const Round& round) {
    if (round.won()) {
        return ReplayOutcome::Won;
    }
    return round.over() ? ReplayOutcome::Lost : ReplayOutcome::Left;
}

ReplayRecorder::ReplayRecorder(const Round& round) {
    replay_.gameVersion = gameVersion();
    replay_.seed = round.seed();
    replay_.difficulty = round.difficulty().name;
    replay_.frames.reserve(60 * 60);
}

void ReplayRecorder::record(const scene::PlayerControls& controls, float dt, double clock) {
    if (replay_.frames.size() >= ReplayFile::maxFrames) {
        full_ = true;
        return;
    }
    replay_.frames.push_back({controls, dt, clock});
}

const Replay& ReplayRecorder::finish(const Round& round) {
    replay_.outcome = roundOutcome(round);
    replay_.finalHash = stateHash(round);
    return replay_;
}

}  // namespace dusk
