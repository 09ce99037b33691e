#include "replay/Replay.h"

namespace dusk {

const char* replayOutcomeName(ReplayOutcome outcome) {
    switch (outcome) {
        case ReplayOutcome::Won:
            return "won";
        case ReplayOutcome::Lost:
            return "lost";
        default:
            return "left";
    }
}

double Replay::seconds() const {
    double sum = 0.0;
    for (const ReplayFrame& frame : frames) {
        sum += frame.dt;
    }
    return sum;
}

const char* gameVersion() { return DUSK_VERSION; }

}  // namespace dusk
