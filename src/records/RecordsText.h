#pragma once
// The records file's text: TOML, the totals and one table per forest.
//
//   [totals]
//   rounds = 14                  # wins + losses
//   wins = 5
//   losses = 9
//   kids_frightened = 83
//
//   [[forest]]
//   seed = 20261208              # 0 .. 4294967295
//   difficulty = "Hard"          # "Relaxed", "Standard" or "Hard"; left out:
//                                # Standard. Each seed once at each difficulty
//   rounds = 3                   # wins + losses, at most the total rounds
//   wins = 1                     # at most the total wins
//   losses = 2                   # at most the total losses
//   best_seconds = 83.417        # above 0; with best_date, and only with a win
//   best_date = 2026-12-08       # not later than today
//   most_kids_frightened = 10    # at most 10, and at most the total
//   last_round = 14              # the round (of the totals) it was last played in,
//                                # at most the total rounds
//
// Every count is a whole number from 0 to 1000000000; a key left out is 0
// (or no best time).
#include <cstddef>
#include <string>

#include "records/Records.h"
#include "records/RecordsProblem.h"

namespace dusk {

struct RecordsReading {
    Records records;
    // The first fault (by line) as "Records file "<name>" line 3: <what>",
    // without what becomes of the file; empty for a good file.
    std::string fault;
    // Whether the fault costs the whole file (no records at all) or only
    // the forest entries with a fault (setAside of them; the others read).
    bool wholeFile = false;
    std::size_t setAside = 0;
    // Set by RecordsFile: the file was not read (too large) and is never
    // to be replaced.
    bool leaveAlone = false;
    // One line naming the keys and tables this version does not know, which
    // are kept and written back as they are; empty when there are none.
    std::string unknown;
};

// Reads the text of the file named fileName (the name only goes into the
// lines). Whole-file faults: text that is not TOML, no text at all, faulty
// [totals] (a value of the wrong type or out of its range, wins and losses
// not adding up to rounds), "forest" that is no list of tables. Faults of
// one [[forest]] set that entry aside: a value of the wrong type or out of
// its range, values that cannot be together (more wins than rounds, more
// than the totals hold, more kids than a forest has, a best time without a
// win, a best date later than latest), the seed listed before at that
// difficulty. A difficulty is one of the three names as difficultyLevelName
// writes them. Unknown keys and tables are kept (Records::otherKeys and
// ForestRecord::otherKeys) and named in `unknown`.
RecordsReading readRecordsText(const std::string& text, const std::string& fileName,
                               const CalendarDate& latest);

// The text that reads back as these records (which hold what the file may
// hold), forests in the order of listedBefore; a Standard forest is written
// without its difficulty; the keys this version does not know follow the
// ones it knows, top-level ones first of all.
std::string recordsText(const Records& records);

}  // namespace dusk
