#include "records/Records.h"

#include <algorithm>

namespace dusk {

namespace {

bool bySeed(const ForestRecord& forest, std::uint32_t seed) { return forest.seed < seed; }

}  // namespace

bool ForestRecord::operator==(const ForestRecord& other) const {
    return seed == other.seed && rounds == other.rounds && wins == other.wins &&
           losses == other.losses && bestSeconds == other.bestSeconds &&
           bestDate == other.bestDate && mostKidsFrightened == other.mostKidsFrightened &&
           lastRound == other.lastRound;
}

const ForestRecord* Records::find(std::uint32_t seed) const {
    const auto at = std::lower_bound(forests.begin(), forests.end(), seed, bySeed);
    return at != forests.end() && at->seed == seed ? &*at : nullptr;
}

ForestRecord& Records::entry(std::uint32_t seed) {
    auto at = std::lower_bound(forests.begin(), forests.end(), seed, bySeed);
    if (at == forests.end() || at->seed != seed) {
        ForestRecord added;
        added.seed = seed;
        at = forests.insert(at, added);
    }
    return *at;
}

}  // namespace dusk
