#pragma once
#include <cstdint>
#include <functional>
#include <utility>

namespace dusk {

// A round's pseudo-random generator. glibc's rand reaches 2^31-1, while the
// placement and wandering formulas divide by 32767, so the game draws from its
// own linear congruential generator: integers 0..32767, one sequence per
// seed. Each round owns one, so rounds never disturb each other's draws.
class Random {
public:
    // The built-in generator from this state; the fixed sequence starts from 1.
    explicit Random(std::uint32_t seed = 1u) : state(seed) {}
    // Draws come from source instead (tests feed chosen values).
    explicit Random(std::function<int()> source) : source(std::move(source)) {}

    // The next value, 0..32767.
    int next();

private:
    std::uint32_t state = 1u;
    std::function<int()> source;
};

}  // namespace dusk
