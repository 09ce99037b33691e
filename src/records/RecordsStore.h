#pragma once
// The records of this run and the end-of-round update of the file; start-up
// loads them, the session owns them.
//
//   RecordsStore records;
//   records.load(RecordsFile::defaultPath());        // at start
//   const RoundOutcome o = records.recordRound(      // at a round's end
//       seed, difficulty, won, seconds, kidsFrightened, CalendarDate::todayLocal());
//   if (o.newBest) ...
//
// The file is written at the end of a round only. Each write locks the file
// (flock on "records.toml.lock" beside it), reads it again, adds this run's
// rounds that are not in it yet to what it holds now, writes it atomically
// and unlocks: games ending rounds at the same moment never lose a round.
// A faulty file gives one line at load and empty records (or, for faulty
// forest entries, the others); at the first write it is kept as
// "records.toml.bad" (or the first free ".bad.N") and a new file is written.
// A file too large to read is never written. Keys this version does not know
// are named in one line at load and written back as they were. A file that
// cannot be written gives one line at the first failure and none after; its
// rounds are tried again at the next round's end.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "records/RecordsFile.h"
#include "records/RecordsMerge.h"
#include "storage/KeptFile.h"

namespace dusk {

// What the end screen needs to know about the round just recorded.
struct RoundOutcome {
    // The forest's best time at the round's difficulty before this round
    // and after it (none: no win with a time there yet).
    std::optional<double> bestBefore;
    std::optional<double> bestAfter;
    // Won in less time than any win before on this forest at this
    // difficulty (the first timed win there included).
    bool newBest = false;
    // The forest's entry at the round's difficulty after this round.
    ForestRecord forest;
    // False when the file could not be written (its line has been printed
    // once for the run).
    bool saved = false;
};

class RecordsStore {
public:
    // The default path (RecordsFile::defaultPath()), not read yet.
    RecordsStore();
    RecordsStore(const RecordsStore&) = delete;
    RecordsStore& operator=(const RecordsStore&) = delete;

    // Reads the file and prints its fault line and the line naming unknown
    // keys, if any. Reading creates and writes nothing.
    void load(const std::filesystem::path& file);
    // The lines the last load printed, in order.
    const std::vector<std::string>& loadLines() const { return loadLines_; }

    // Counts a finished round (see above). difficulty: the rules it was
    // played by, whose entry of the forest it counts in; seconds: the
    // round's time, its best candidate when won; date: the day it ended.
    RoundOutcome recordRound(std::uint32_t seed, DifficultyLevel difficulty, bool won,
                             double seconds, int kidsFrightened, const CalendarDate& date);
    // Counts a round the player left before its end (Esc, the window
    // closed) the same way: neither a win nor a loss.
    RoundOutcome recordLeftRound(std::uint32_t seed, DifficultyLevel difficulty, double seconds,
                                 int kidsFrightened, const CalendarDate& date);

    // The records as last read or written, with this run's rounds that could
    // not be written added.
    const Records& records() const { return view_; }
    const RecordsFile& file() const { return file_; }
    // How long a write waits for another game's lock.
    void setLockTimeout(std::chrono::milliseconds timeout) { lockTimeout_ = timeout; }

private:
    RoundOutcome record(const RoundResult& round);
    // Locks, re-reads, merges the pending rounds, writes. False (and the
    // line printed once) on failure. bestBefore: as withPending's.
    bool writePending(std::optional<double>& bestBefore);
    // The base with the pending rounds (at least one) added; bestBefore is
    // the best of the last one's forest, at its difficulty, before it.
    Records withPending(Records base, std::optional<double>& bestBefore) const;
    // Writes view_ under the lock already taken and keeps the written file.
    bool writeView();
    // Prints a fault line unless it is the one printed last.
    void report(const std::string& line);
    void reportWriteFault(const std::string& line);

    RecordsFile file_;
    // The file's records as last read or written (empty for a faulty file).
    Records onDisk_;
    // This run's rounds not in the file yet.
    std::vector<RoundResult> pending_;
    Records view_;
    // The file as this game last read or wrote it: while it is unchanged, a
    // write need not read it again.
    KeptFile written_;
    std::string lastFault_;
    std::vector<std::string> loadLines_;
    bool writeFaultShown_ = false;
    std::chrono::milliseconds lockTimeout_{2000};
};

}  // namespace dusk
