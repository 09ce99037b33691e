#include "math/Random.h"

#include <cstdint>
#include <utility>

namespace dusk {

namespace {

uint32_t lcgState = 1u;
std::function<int()> overrideSource;

int builtInRand() {
    lcgState = lcgState * 214013u + 2531011u;
    return static_cast<int>((lcgState >> 16) & 0x7fffu);
}

}  // namespace

int gameRand() { return overrideSource ? overrideSource() : builtInRand(); }

void seedGameRandom(std::uint32_t seed) { lcgState = seed; }

void setRandomSource(std::function<int()> source) {
    overrideSource = std::move(source);
    if (!overrideSource) {
        lcgState = 1u;
    }
}

}  // namespace dusk
