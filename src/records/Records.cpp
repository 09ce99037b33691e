#include "records/Records.h"

#include <algorithm>

namespace dusk {

namespace {

ForestRecord keyOf(std::uint32_t seed, DifficultyLevel difficulty) {
    ForestRecord key;
    key.seed = seed;
    key.difficulty = difficulty;
    return key;
}

bool sameKey(const ForestRecord& a, const ForestRecord& b) {
    return a.seed == b.seed && a.difficulty == b.difficulty;
}

}  // namespace

bool listedBefore(const ForestRecord& a, const ForestRecord& b) {
    return a.seed != b.seed ? a.seed < b.seed : a.difficulty < b.difficulty;
}

bool ForestRecord::operator==(const ForestRecord& other) const {
    return seed == other.seed && difficulty == other.difficulty && rounds == other.rounds &&
           wins == other.wins && losses == other.losses && left == other.left &&
           bestSeconds == other.bestSeconds && bestDate == other.bestDate &&
           mostKidsFrightened == other.mostKidsFrightened && lastRound == other.lastRound &&
           otherKeys == other.otherKeys;
}

const ForestRecord* Records::find(std::uint32_t seed, DifficultyLevel difficulty) const {
    const ForestRecord key = keyOf(seed, difficulty);
    const auto at = std::lower_bound(forests.begin(), forests.end(), key, listedBefore);
    return at != forests.end() && sameKey(*at, key) ? &*at : nullptr;
}

ForestRecord& Records::entry(std::uint32_t seed, DifficultyLevel difficulty) {
    const ForestRecord key = keyOf(seed, difficulty);
    auto at = std::lower_bound(forests.begin(), forests.end(), key, listedBefore);
    if (at == forests.end() || !sameKey(*at, key)) {
        at = forests.insert(at, key);
    }
    return *at;
}

}  // namespace dusk
