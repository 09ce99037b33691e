// The records file: any bytes as "records.toml". A file the reader takes
// must hold only what a records file may (every count in range, wins and
// losses adding up to rounds, a best time only with a win and its date, each
// seed once at each difficulty), must read back the same from its written
// text (keys it does not know included), and must stay so with rounds added
// and forests dropped. A fault gives one printable line naming the file, and
// no records when it costs the whole file.
#include <cmath>

#include "FuzzSupport.h"
#include "records/RecordsMerge.h"
#include "records/RecordsTable.h"
#include "records/RecordsText.h"

namespace {

using dusk::fuzz::require;

const char* const fileName = "records.toml";
// Any best date is allowed: the rounds made below have dates up to 2099.
const dusk::CalendarDate latest{9999, 12, 31};

bool count(std::int64_t value) { return value >= 0 && value <= dusk::Records::maxCount; }

void requireSound(const dusk::Records& records, const std::string& what) {
    const dusk::RecordTotals& t = records.totals;
    require(count(t.rounds) && count(t.wins) && count(t.losses) && count(t.kidsFrightened) &&
                t.wins + t.losses == t.rounds,
            what + ": totals out of range or not adding up");
    for (size_t i = 0; i < records.forests.size(); ++i) {
        const dusk::ForestRecord& f = records.forests[i];
        require(i == 0 || dusk::listedBefore(records.forests[i - 1], f),
                what + ": forests not in order (or one listed twice)");
        require(count(f.rounds) && count(f.wins) && count(f.losses) &&
                    count(f.mostKidsFrightened) && count(f.lastRound) &&
                    f.wins + f.losses == f.rounds && f.rounds <= t.rounds &&
                    f.lastRound <= t.rounds,
                what + ": forest " + std::to_string(f.seed) + " out of range");
        require(f.bestSeconds.has_value() == f.bestDate.has_value(),
                what + ": best time without its date");
        if (f.bestSeconds) {
            require(f.wins > 0 && std::isfinite(*f.bestSeconds) && *f.bestSeconds > 0.0 &&
                        f.bestDate->valid(),
                    what + ": impossible best");
        }
    }
}

void requireRoundTrip(const dusk::Records& records, const std::string& what) {
    const std::string text = dusk::recordsText(records);
    const dusk::RecordsReading again = dusk::readRecordsText(text, fileName, latest);
    require(again.fault.empty(), what + ": its own text is refused: " + again.fault);
    require(again.records == records, what + ": reads back different");
    require(dusk::recordsText(again.records) == text, what + ": text changes on a rewrite");
}

// A few rounds made from the input's bytes, on its own forests (at their
// difficulty or another) and new ones.
std::vector<dusk::RoundResult> roundsFrom(const uint8_t* data, size_t size,
                                          const dusk::Records& records) {
    std::vector<dusk::RoundResult> rounds;
    for (size_t i = 0; i + 4 <= size && rounds.size() < 4; i += 4) {
        dusk::RoundResult round;
        const bool known = !records.forests.empty() && (data[i] & 1);
        const dusk::ForestRecord* forest =
            known ? &records.forests[data[i + 1] % records.forests.size()] : nullptr;
        round.seed = forest ? forest->seed : data[i + 1] * 65599u + data[i + 2];
        round.difficulty = forest && (data[i] & 4)
                               ? forest->difficulty
                               : static_cast<dusk::DifficultyLevel>(data[i] % 3);
        round.won = data[i] & 2;
        round.seconds = (data[i + 3] - 16) * 7.3;
        round.kidsFrightened = static_cast<int>(data[i + 2] % 12) - 1;
        round.date = {2000 + data[i + 3] % 100, 1 + data[i] % 12, 1 + data[i + 1] % 31};
        rounds.push_back(round);
    }
    return rounds;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const dusk::RecordsReading reading = dusk::readRecordsText(bytes, fileName, latest);
    for (const std::string& line : {reading.fault, reading.unknown}) {
        const std::string start = "Records file \"records.toml\"";
        require(line.empty() || line.compare(0, start.size(), start) == 0, "line: " + line);
        for (const char c : line) {
            require(static_cast<unsigned char>(c) >= 0x20 && c != 0x7f,
                    "control character in the line");
        }
    }
    if (reading.wholeFile) {
        require(reading.records == dusk::Records() && reading.unknown.empty(),
                "records beside a whole-file fault");
        return 0;
    }
    require(reading.fault.empty() == (reading.setAside == 0), "entries set aside without a line");
    requireSound(reading.records, "read");
    requireRoundTrip(reading.records, "read");
    dusk::Records merged =
        dusk::mergeRounds(reading.records, roundsFrom(data, size, reading.records));
    requireSound(merged, "merged");
    requireRoundTrip(merged, "merged");
    dusk::dropLeastRecentlyPlayed(merged, merged.forests.size() / 2);
    requireSound(merged, "dropped");
    requireRoundTrip(merged, "dropped");
    for (const std::string& line : dusk::recordsTable(merged)) {
        require(!line.empty() && line.find('\n') == std::string::npos, "table line: " + line);
    }
    return 0;
}
