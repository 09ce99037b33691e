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
//   wins = 1
//   losses = 2
//   best_seconds = 83.417        # above 0; with best_date, and only with a win
//   best_date = 2026-12-08
//   most_kids_frightened = 10
//   last_round = 14              # the round (of the totals) it was last played in,
//                                # at most the total rounds
//
// Every count is a whole number from 0 to 1000000000; a key left out is 0
// (or no best time).
#include <string>

#include "records/Records.h"

namespace dusk {

struct RecordsReading {
    Records records;
    // The first fault of the file (by line) as one line ready to print,
    // empty for a good file. A file with a fault gives no records at all.
    std::string fault;
};

// Reads the text of the file named fileName (the name only goes into the
// fault). Text that is not TOML, no text at all, an unknown key, a value of
// the wrong type or out of its range, or values that cannot be together
// (more wins than rounds, a best time without a win, a seed twice at one
// difficulty) are faults. A difficulty is one of the three names as
// difficultyLevelName writes them.
RecordsReading readRecordsText(const std::string& text, const std::string& fileName);

// The text that reads back as these records (which hold what the file may
// hold), forests in the order of listedBefore; a Standard forest is written
// without its difficulty.
std::string recordsText(const Records& records);

// "Records file "<fileName>"<where>: <what>" on one line: control characters
// in any part are written as escapes.
std::string recordsProblem(const std::string& fileName, const std::string& where,
                           const std::string& what);

// What a fault line says after the fault: what the game does with the file.
extern const char* const recordsFaultConsequence;

}  // namespace dusk
