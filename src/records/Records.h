#pragma once
// The player's records: for each forest (the seed that places its trees and
// kids) at each difficulty it was played at, the best winning time and how
// the rounds there went, and the totals of every round ever recorded (at any
// difficulty, forests dropped from the list included).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "records/CalendarDate.h"
#include "settings/UserSettings.h"

namespace dusk {

struct ForestRecord {
    std::uint32_t seed = 0;
    // The rules the rounds of this entry were played by: each difficulty
    // keeps its own entry (and best time) for the same seed.
    DifficultyLevel difficulty = DifficultyLevel::Standard;
    // Whole rounds, always wins + losses + left.
    std::int64_t rounds = 0;
    std::int64_t wins = 0;
    std::int64_t losses = 0;
    // Rounds left before their end (Esc, the window closed).
    std::int64_t left = 0;
    // The best winning time in seconds (above 0) and the day it was set;
    // both or neither, and only with a win.
    std::optional<double> bestSeconds;
    std::optional<CalendarDate> bestDate;
    std::int64_t mostKidsFrightened = 0;
    // The number of the round (counted in the totals) in which this forest
    // was last played: the forests played least recently are dropped first.
    std::int64_t lastRound = 0;
    // Keys this version does not know (from a newer one), as the TOML lines
    // that write them back unchanged; empty when there are none.
    std::string otherKeys;

    bool operator==(const ForestRecord& other) const;
    bool operator!=(const ForestRecord& other) const { return !(*this == other); }
};

// Whether a comes before b in Records::forests: the smaller seed first, then
// Relaxed, Standard, Hard.
bool listedBefore(const ForestRecord& a, const ForestRecord& b);

struct RecordTotals {
    std::int64_t rounds = 0;  // wins + losses + left
    std::int64_t wins = 0;
    std::int64_t losses = 0;
    std::int64_t kidsFrightened = 0;
    std::int64_t left = 0;

    bool operator==(const RecordTotals& other) const {
        return rounds == other.rounds && wins == other.wins && losses == other.losses &&
               left == other.left && kidsFrightened == other.kidsFrightened;
    }
};

struct Records {
    // The most entries (a forest at one difficulty) a records file keeps.
    static constexpr std::size_t maxForests = 1000;
    // The largest count or number of seconds a file may hold: far beyond
    // any real play, and small enough that no sum of them overflows.
    static constexpr std::int64_t maxCount = 1000000000;
    // The kids of a forest: no round frightens more.
    static constexpr std::int64_t kidsInAForest = 10;

    RecordTotals totals;
    // One entry per seed and difficulty, in the order of listedBefore.
    std::vector<ForestRecord> forests;
    // The top-level keys and tables, and the keys of [totals], that this
    // version does not know, as the TOML text that writes them back
    // unchanged; empty when there are none.
    std::string otherKeys;
    std::string otherTotalsKeys;

    // The forest's entry at that difficulty, nullptr when it was never
    // played there (or dropped).
    const ForestRecord* find(std::uint32_t seed, DifficultyLevel difficulty) const;
    // The forest's entry at that difficulty, added in its place when missing.
    ForestRecord& entry(std::uint32_t seed, DifficultyLevel difficulty);
    bool empty() const { return totals.rounds == 0 && forests.empty(); }

    bool operator==(const Records& other) const {
        return totals == other.totals && forests == other.forests && otherKeys == other.otherKeys &&
               otherTotalsKeys == other.otherTotalsKeys;
    }
    bool operator!=(const Records& other) const { return !(*this == other); }
};

}  // namespace dusk
