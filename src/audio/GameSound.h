#pragma once
// What the game's sound needs from a frame of the game, gathered in one place.
#include "audio/SoundFrame.h"

namespace dusk {

class Round;

// The listener at the camera, every kid's position and stride at the clock
// (seconds; a terrified kid does not walk), whether an active kid saw the
// player, the health fraction and whether the scream key is down this frame.
audio::SoundFrame soundFrameOf(const Round& round, float dt, bool screamKeyDown, double seconds);

// Where a kid is in its stride at the given animation clock: the walk cycle of
// the kid's animation, shifted so that its footfalls come at 0 and 0.5.
float stridePhase(double ticksPerSecond, double duration, float seconds);

}  // namespace dusk
