#pragma once
// Folding finished rounds into records. A game never writes back records it
// read earlier: it re-reads the file and adds its own rounds to what is there
// now, so rounds that another game recorded in between are kept.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "records/CalendarDate.h"
#include "records/Records.h"

namespace dusk {

struct RoundResult {
    std::uint32_t seed = 0;
    // The rules it was played by: it counts towards the forest's entry at
    // this difficulty only.
    DifficultyLevel difficulty = DifficultyLevel::Standard;
    bool won = false;
    // How long the round took; a win's time counts towards the best when it
    // is above 0 (kept to the millisecond).
    double seconds = 0.0;
    int kidsFrightened = 0;
    // The day the round ended (valid()); it becomes the date of a new best.
    CalendarDate date;
    // Ended by the player before a win or a loss (not won then): counted
    // as left, its kids frightened in the totals.
    bool left = false;
};

// Counts the round in the totals and in its forest's entry at its
// difficulty (added when missing): a win, a loss or a round left, the most kids frightened, a
// better time and its date, and the forest becomes the most recently played. A round that would
// take a count beyond Records::maxCount is not counted.
void addRound(Records& records, const RoundResult& round);

// Keeps the `limit` entries played most recently, dropping the others; the
// totals stay as they are.
void dropLeastRecentlyPlayed(Records& records, std::size_t limit);

// The records on disk with the rounds added in order, at most
// Records::maxForests entries kept.
Records mergeRounds(Records onDisk, const std::vector<RoundResult>& rounds);

}  // namespace dusk
