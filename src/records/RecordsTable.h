#pragma once
// The records as a table for people: `duskhollow --records` prints it and
// the menu shows the same rows.
//
//   Seed      Difficulty  Best time  Date        Wins  Losses  Left  Most kids
//   20261208  Hard         1:23.417  2026-12-08     3       1     0         10
//   20261208  Standard     1:31.002  2026-12-07     1       0     1         10
//   1         Standard            -  -              0       2     0          7
//   Totals: 15 rounds, 5 wins, 9 losses, 1 left, 83 kids frightened, 12 forests
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "records/Records.h"

namespace dusk {

// One forest's cells at one difficulty, ready to show.
struct RecordsRow {
    std::string seed;
    std::string difficulty;  // difficultyLevelName
    std::string bestTime;    // formatRoundTime, "-" without a timed win
    std::string date;        // "YYYY-MM-DD", "-" without a timed win
    std::string wins;
    std::string losses;
    std::string left;
    std::string mostKids;
    // The entry's forest as a number, and whether it has a best time.
    std::uint32_t seedNumber = 0;
    bool timed = false;
};

// The column titles as a row.
RecordsRow recordsHeader();

// The best `limit` entries (a forest at one difficulty): those with a best
// time first, fastest first; then those without, by wins, then the most kids
// frightened, then rounds (in the order of listedBefore among equals).
std::vector<RecordsRow> recordsRows(const Records& records, std::size_t limit = 20);

// "Totals: 15 rounds, 5 wins, 9 losses, 1 left, 83 kids frightened, 12
// forests": the forests are the seeds played, whatever the difficulty; the
// rounds left are named only when there are some.
std::string recordsTotalsLine(const Records& records);

// The header, the rows and the totals line as aligned lines (numbers to the
// right); a single line saying there are none yet when nothing was played.
std::vector<std::string> recordsTable(const Records& records, std::size_t limit = 20);

// A time as "M:SS.mmm" ("1:23.417"), "H:MM:SS.mmm" from an hour on.
std::string formatRoundTime(double seconds);

// The gap to a best as "+M:SS.mmm" or "-M:SS.mmm" (behind, ahead).
std::string formatTimeGap(double seconds);

}  // namespace dusk
