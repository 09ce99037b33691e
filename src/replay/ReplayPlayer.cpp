#include "replay/ReplayPlayer.h"

#include "game/StateHash.h"
#include "replay/ReplayRecorder.h"

namespace dusk {

ReplayPlayer::ReplayPlayer(Replay replay) : replay_(std::move(replay)) {}

std::unique_ptr<Round> ReplayPlayer::newRound(const scene::WorldModels& models) const {
    return std::make_unique<Round>(models, replay_.seed,
                                   Difficulty::named(replay_.difficulty).value_or(Difficulty()));
}

std::vector<RoundEvent> ReplayPlayer::step(Round& round) {
    if (atEnd()) {
        return {};
    }
    const ReplayFrame& frame = replay_.frames[next++];
    return round.update(frame.controls, frame.dt, frame.clock);
}

void ReplayPlayer::playToEnd(Round& round) {
    while (!atEnd()) {
        step(round);
    }
}

ReplayCheck checkReplay(const Replay& replay, const scene::WorldModels& models) {
    ReplayPlayer player(replay);
    const std::unique_ptr<Round> round = player.newRound(models);
    player.playToEnd(*round);
    ReplayCheck check;
    check.outcome = roundOutcome(*round);
    check.finalHash = stateHash(*round);
    check.seconds = round->seconds();
    check.kidsFrightened = round->kidsFrightened();
    check.matches = check.outcome == replay.outcome && check.finalHash == replay.finalHash;
    return check;
}

}  // namespace dusk
