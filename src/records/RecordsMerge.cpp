#include "records/RecordsMerge.h"

#include <algorithm>
#include <cmath>

namespace dusk {

namespace {

// A time to the millisecond; nothing for a time that cannot be a best.
std::optional<double> bestCandidate(double seconds) {
    if (!std::isfinite(seconds) || seconds <= 0.0 ||
        seconds > static_cast<double>(Records::maxCount)) {
        return std::nullopt;
    }
    return std::max(0.001, std::round(seconds * 1000.0) / 1000.0);
}

}  // namespace

void addRound(Records& records, const RoundResult& round) {
    RecordTotals& totals = records.totals;
    const ForestRecord* known = records.find(round.seed, round.difficulty);
    if (totals.rounds >= Records::maxCount || (known && known->rounds >= Records::maxCount)) {
        return;
    }
    const std::int64_t kids = std::max(0, round.kidsFrightened);
    const bool won = round.won && !round.left;
    ++totals.rounds;
    ++(won ? totals.wins : round.left ? totals.left : totals.losses);
    totals.kidsFrightened = std::min(Records::maxCount, totals.kidsFrightened + kids);

    ForestRecord& forest = records.entry(round.seed, round.difficulty);
    ++forest.rounds;
    ++(won ? forest.wins : round.left ? forest.left : forest.losses);
    forest.mostKidsFrightened =
        std::max(forest.mostKidsFrightened, std::min(Records::maxCount, kids));
    forest.lastRound = totals.rounds;
    const std::optional<double> time = won ? bestCandidate(round.seconds) : std::nullopt;
    if (time && (!forest.bestSeconds || *time < *forest.bestSeconds)) {
        forest.bestSeconds = time;
        forest.bestDate = round.date.valid() ? round.date : CalendarDate::todayLocal();
    }
}

void dropLeastRecentlyPlayed(Records& records, std::size_t limit) {
    std::vector<ForestRecord>& forests = records.forests;
    if (forests.size() <= limit) {
        return;
    }
    const auto moreRecent = [](const ForestRecord& a, const ForestRecord& b) {
        return a.lastRound != b.lastRound ? a.lastRound > b.lastRound : listedBefore(a, b);
    };
    std::nth_element(forests.begin(), forests.begin() + limit, forests.end(), moreRecent);
    forests.resize(limit);
    std::sort(forests.begin(), forests.end(), listedBefore);
}

Records mergeRounds(Records onDisk, const std::vector<RoundResult>& rounds) {
    for (const RoundResult& round : rounds) {
        addRound(onDisk, round);
    }
    dropLeastRecentlyPlayed(onDisk, Records::maxForests);
    return onDisk;
}

}  // namespace dusk
