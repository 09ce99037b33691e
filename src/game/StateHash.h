#pragma once
// A fingerprint of a round's state, to tell whether two runs of the same
// inputs ended the same, bit for bit.
#include <cstdint>

namespace dusk {

class Round;

// The 64-bit FNV-1a hash of the bits of: every rigid body's transform and
// velocities (in the physics world's order), the player's look angles, the
// health, the magic, the round's time and whether it is over, and each kid's
// state (active, its wandering counters).
std::uint64_t stateHash(const Round& round);

}  // namespace dusk
