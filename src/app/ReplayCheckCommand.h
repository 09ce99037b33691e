#pragma once

namespace dusk {

struct StartOptions;

// --check-replay FILE: enters the data directory if one is given, loads the
// models on the CPU (no window, no GL context, no sound), plays every recorded
// update of the replay without drawing and prints what the round came to and
// whether its final state is the recorded one. Returns 0 when the outcome and
// the final state match, 1 when they differ, 2 when the file cannot be read
// (its one fault line printed) or the data directory cannot be entered.
int runReplayCheck(const StartOptions& options);

}  // namespace dusk
