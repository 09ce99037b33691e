#include "records/RecordsTable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace dusk {

namespace {

// Whether a comes before b in the table.
bool better(const ForestRecord& a, const ForestRecord& b) {
    if (a.bestSeconds.has_value() != b.bestSeconds.has_value()) {
        return a.bestSeconds.has_value();
    }
    if (a.bestSeconds && *a.bestSeconds != *b.bestSeconds) {
        return *a.bestSeconds < *b.bestSeconds;
    }
    if (a.wins != b.wins) {
        return a.wins > b.wins;
    }
    if (a.mostKidsFrightened != b.mostKidsFrightened) {
        return a.mostKidsFrightened > b.mostKidsFrightened;
    }
    if (a.rounds != b.rounds) {
        return a.rounds > b.rounds;
    }
    return listedBefore(a, b);
}

RecordsRow rowOf(const ForestRecord& forest) {
    const bool timed = forest.bestSeconds && forest.bestDate;
    RecordsRow row;
    row.seed = std::to_string(forest.seed);
    row.difficulty = difficultyLevelName(forest.difficulty);
    row.bestTime = timed ? formatRoundTime(*forest.bestSeconds) : "-";
    row.date = timed ? forest.bestDate->text() : "-";
    row.wins = std::to_string(forest.wins);
    row.losses = std::to_string(forest.losses);
    row.left = std::to_string(forest.left);
    row.mostKids = std::to_string(forest.mostKidsFrightened);
    row.seedNumber = forest.seed;
    row.timed = timed;
    return row;
}

std::vector<std::string> cells(const RecordsRow& row) {
    return {row.seed, row.difficulty, row.bestTime, row.date,
            row.wins, row.losses,     row.left,     row.mostKids};
}

// The seeds among the entries (listed by seed, a seed's entries together).
std::int64_t seedsPlayed(const std::vector<ForestRecord>& forests) {
    std::int64_t seeds = 0;
    for (std::size_t i = 0; i < forests.size(); ++i) {
        if (i == 0 || forests[i - 1].seed != forests[i].seed) {
            ++seeds;
        }
    }
    return seeds;
}

std::string plural(std::int64_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

RecordsRow recordsHeader() {
    return {"Seed", "Difficulty", "Best time", "Date", "Wins", "Losses", "Left", "Most kids"};
}

std::vector<RecordsRow> recordsRows(const Records& records, std::size_t limit) {
    std::vector<const ForestRecord*> order;
    order.reserve(records.forests.size());
    for (const ForestRecord& forest : records.forests) {
        order.push_back(&forest);
    }
    const std::size_t shown = std::min(limit, order.size());
    std::partial_sort(order.begin(), order.begin() + shown, order.end(),
                      [](const ForestRecord* a, const ForestRecord* b) { return better(*a, *b); });
    std::vector<RecordsRow> rows;
    for (std::size_t i = 0; i < shown; ++i) {
        rows.push_back(rowOf(*order[i]));
    }
    return rows;
}

std::string recordsTotalsLine(const Records& records) {
    const RecordTotals& t = records.totals;
    return "Totals: " + plural(t.rounds, "round", "rounds") + ", " + plural(t.wins, "win", "wins") +
           ", " + plural(t.losses, "loss", "losses") + ", " +
           (t.left > 0 ? std::to_string(t.left) + " left, " : std::string()) +
           std::to_string(t.kidsFrightened) + (t.kidsFrightened == 1 ? " kid" : " kids") +
           " frightened, " + plural(seedsPlayed(records.forests), "forest", "forests");
}

std::vector<std::string> recordsTable(const Records& records, std::size_t limit) {
    if (records.empty()) {
        return {"No records yet: finish a round to set one."};
    }
    std::vector<std::vector<std::string>> table = {cells(recordsHeader())};
    for (const RecordsRow& row : recordsRows(records, limit)) {
        table.push_back(cells(row));
    }
    std::vector<std::size_t> widths(table[0].size(), 0);
    for (const auto& row : table) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], row[c].size());
        }
    }
    // Seed, difficulty and date to the left, times and counts to the right.
    const bool left[] = {true, true, false, true, false, false, false, false};
    std::vector<std::string> lines;
    for (const auto& row : table) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string pad(widths[c] - row[c].size(), ' ');
            line += (c == 0 ? "" : "  ") + (left[c] ? row[c] + pad : pad + row[c]);
        }
        line.erase(line.find_last_not_of(' ') + 1);
        lines.push_back(line);
    }
    lines.push_back(recordsTotalsLine(records));
    return lines;
}

std::string formatRoundTime(double seconds) {
    const long long ms = std::llround(std::max(0.0, seconds) * 1000.0);
    const long long hours = ms / 3600000;
    const long long minutes = ms / 60000 % 60;
    const long long secs = ms / 1000 % 60;
    char buffer[64];
    if (hours > 0) {
        std::snprintf(buffer, sizeof buffer, "%lld:%02lld:%02lld.%03lld", hours, minutes, secs,
                      ms % 1000);
    } else {
        std::snprintf(buffer, sizeof buffer, "%lld:%02lld.%03lld", minutes, secs, ms % 1000);
    }
    return buffer;
}

std::string formatTimeGap(double seconds) {
    return (seconds < 0.0 ? "-" : "+") + formatRoundTime(std::fabs(seconds));
}

}  // namespace dusk
