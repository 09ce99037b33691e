#pragma once
// Plays a replay's frames into a round built as the recorded one was: the
// same seed and difficulty, each update with the recorded controls, dt and
// clock, never the window's.
#include <cstddef>
#include <memory>
#include <vector>

#include "game/Round.h"
#include "replay/Replay.h"

namespace dusk {

class ReplayPlayer {
public:
    // replay: as a ReplayFile read it (a known difficulty).
    explicit ReplayPlayer(Replay replay);

    // A round as the recorded one started: its seed and difficulty.
    std::unique_ptr<Round> newRound(const scene::WorldModels& models) const;
    // The next recorded frame's update on round (made by newRound and given
    // every frame before this one); its events. Nothing once atEnd().
    std::vector<RoundEvent> step(Round& round);
    // Every frame left, on round.
    void playToEnd(Round& round);
    bool atEnd() const { return next >= replay_.frames.size(); }
    // Back to the first frame (for a new round).
    void rewind() { next = 0; }
    // The frames played so far.
    std::size_t framesPlayed() const { return next; }
    const Replay& replay() const { return replay_; }

private:
    Replay replay_;
    std::size_t next = 0;
};

// What a replay played again came to.
struct ReplayCheck {
    ReplayOutcome outcome = ReplayOutcome::Left;
    std::uint64_t finalHash = 0;
    double seconds = 0.0;  // the round's time
    int kidsFrightened = 0;
    // The outcome and the final hash are the recorded ones.
    bool matches = false;
};

// Plays the whole replay without drawing, in a round of its own.
ReplayCheck checkReplay(const Replay& replay, const scene::WorldModels& models);

}  // namespace dusk
