#pragma once
// Records a round as it is played: the session hands it what every update
// takes, in order, and asks for the replay at the round's end.
#include "replay/Replay.h"

namespace dusk {

class Round;

// Won, lost, or (not over yet) left.
ReplayOutcome roundOutcome(const Round& round);

class ReplayRecorder {
public:
    // A new recording of the round, which has had no update yet.
    explicit ReplayRecorder(const Round& round);

    // Notes one update: call it with exactly what Round::update is given,
    // once for each call (none for frames that do not update the round).
    // Past ReplayFile::maxFrames nothing more is kept and full() says so.
    void record(const scene::PlayerControls& controls, float dt, double clock);
    // The round outgrew a replay: its recording is incomplete.
    bool full() const { return full_; }

    // The recording with the round's outcome as it stands now (won, lost,
    // else left) and the hash of its state.
    const Replay& finish(const Round& round);

private:
    Replay replay_;
    bool full_ = false;
};

}  // namespace dusk
