#pragma once
#include <functional>

namespace dusk {

// The game's pseudo-random generator. glibc's rand reaches 2^31-1, while the
// placement and wandering formulas divide by 32767, so the game draws from its
// own linear congruential generator: integers 0..32767, never seeded, the same
// sequence every run.
int gameRand();

// Replaces the source of gameRand (tests feed chosen values); an empty
// function restores the built-in generator, reset to its start.
void setRandomSource(std::function<int()> source);

}  // namespace dusk
