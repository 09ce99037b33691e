#include "records/RecordsStore.h"

#include <memory>

#include "base/Console.h"
#include "storage/FileLock.h"

namespace dusk {

RecordsStore::RecordsStore() : file_(RecordsFile::defaultPath()) {}

void RecordsStore::report(const std::string& line) {
    if (line != lastFault_) {
        printLine(line);
        lastFault_ = line;
    }
}

void RecordsStore::reportWriteFault(const std::string& line) {
    if (!writeFaultShown_) {
        printLine(line);
        writeFaultShown_ = true;
    }
}

void RecordsStore::load(const std::filesystem::path& file) {
    file_ = RecordsFile(file);
    // Held from before the reading: if the path still names that file
    // after it, the first write need not read it again either.
    written_.keep(file_.path());
    const RecordsReading reading = file_.read();
    loadLines_.clear();
    for (const std::string& line : {reading.fault, reading.unknown}) {
        if (!line.empty()) {
            printLine(line);
            loadLines_.push_back(line);
        }
    }
    lastFault_ = reading.fault;
    if (!reading.fault.empty() || !written_.unchanged(file_.path())) {
        written_.forget();
    }
    onDisk_ = reading.records;
    pending_.clear();
    view_ = onDisk_;
}

Records RecordsStore::withPending(Records base, std::optional<double>& bestBefore) const {
    const RoundResult& last = pending_.back();
    base = mergeRounds(std::move(base), {pending_.begin(), pending_.end() - 1});
    const ForestRecord* before = base.find(last.seed, last.difficulty);
    bestBefore = before ? before->bestSeconds : std::nullopt;
    return mergeRounds(std::move(base), {pending_.back()});
}

bool RecordsStore::writePending(std::optional<double>& bestBefore) {
    view_ = withPending(onDisk_, bestBefore);
    if (!file_.makeFolder()) {
        reportWriteFault(file_.error());
        return false;
    }
    const FileLock lock(file_.lockPath(), lockTimeout_);
    if (!lock.locked()) {
        reportWriteFault(
            recordsProblem(file_.path().string(), "", "could not save (" + lock.error() + ")"));
        return false;
    }
    if (written_.unchanged(file_.path())) {
        return writeView();  // nobody wrote in between: view_ is what it would read
    }
    const RecordsReading reading = file_.read();
    if (!reading.fault.empty()) {
        // Faulty from the start, or changed by hand since: it is kept aside
        // and this run's records go on from what was read of it (from what
        // they were, when nothing could be).
        report(reading.fault);
        if (reading.leaveAlone) {
            return false;  // its line says that the rounds are not saved
        }
        if (!file_.keepBadCopy()) {
            reportWriteFault(file_.error());
            return false;
        }
    }
    view_ = withPending(reading.wholeFile ? onDisk_ : reading.records, bestBefore);
    return writeView();
}

bool RecordsStore::writeView() {
    written_.forget();
    if (!file_.write(view_)) {
        reportWriteFault(file_.error());
        return false;
    }
    written_.keep(file_.path());
    onDisk_ = view_;
    pending_.clear();
    return true;
}

RoundOutcome RecordsStore::recordRound(std::uint32_t seed, DifficultyLevel difficulty, bool won,
                                       double seconds, int kidsFrightened,
                                       const CalendarDate& date) {
    return record(RoundResult{seed, difficulty, won, seconds, kidsFrightened, date});
}

RoundOutcome RecordsStore::recordLeftRound(std::uint32_t seed, DifficultyLevel difficulty,
                                           double seconds, int kidsFrightened,
                                           const CalendarDate& date) {
    return record(RoundResult{seed, difficulty, false, seconds, kidsFrightened, date, true});
}

RoundOutcome RecordsStore::record(const RoundResult& round) {
    pending_.push_back(round);
    const std::uint32_t seed = round.seed;
    const DifficultyLevel difficulty = round.difficulty;

    RoundOutcome outcome;
    outcome.saved = writePending(outcome.bestBefore);
    if (const ForestRecord* after = view_.find(seed, difficulty)) {
        outcome.forest = *after;
        outcome.bestAfter = after->bestSeconds;
    }
    outcome.newBest = outcome.bestAfter && outcome.bestAfter != outcome.bestBefore;
    return outcome;
}

}  // namespace dusk
