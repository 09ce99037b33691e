#pragma once
#include <cstdint>
#include <functional>

namespace dusk {

// The game's pseudo-random generator. glibc's rand reaches 2^31-1, while the
// placement and wandering formulas divide by 32767, so the game draws from its
// own linear congruential generator: integers 0..32767, the same sequence
// every run unless the player seeds it.
int gameRand();

// Starts the built-in generator from another state: another sequence, so
// other tree and kid placements. The fixed sequence starts from state 1.
void seedGameRandom(std::uint32_t seed);

// Replaces the source of gameRand (tests feed chosen values); an empty
// function restores the built-in generator, reset to its start.
void setRandomSource(std::function<int()> source);

}  // namespace dusk
