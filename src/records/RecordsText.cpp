#include "records/RecordsText.h"

#include <toml++/toml.h>

#include <algorithm>

#include "records/ForestEntries.h"
#include "records/RecordValues.h"
#include "records/UnknownKeys.h"
#include "settings/UserSettings.h"
#include "storage/FileLines.h"

namespace dusk {

namespace {

// The totals, and their keys this version does not know as text.
void readTotals(const toml::node& node, Records& records, FirstFault& fault, UnknownKeys& unknown) {
    const toml::table* table = node.as_table();
    if (table == nullptr) {
        fault.add(node, "\"totals\" must be a table");
        return;
    }
    RecordTotals& totals = records.totals;
    records.otherTotalsKeys = otherKeysText(
        *table, {"rounds", "wins", "losses", "left", "kids_frightened"}, "totals.", true, unknown);
    readCounts(*table,
               {{"rounds", &totals.rounds},
                {"wins", &totals.wins},
                {"losses", &totals.losses},
                {"left", &totals.left},
                {"kids_frightened", &totals.kidsFrightened}},
               fault);
    if (!fault.found()) {
        checkOutcomes(*table, totals.rounds, totals.wins, totals.losses, totals.left, fault);
    }
}

void readRoot(const toml::table& root, const CalendarDate& latest, Records& records,
              RecordsFaults& faults, UnknownKeys& unknown) {
    records.otherKeys = otherKeysText(root, {"totals", "forest"}, "", false, unknown);
    if (const toml::node* totals = root.get("totals")) {
        readTotals(*totals, records, faults.wholeFile, unknown);
    }
    if (const toml::node* forests = root.get("forest"); forests && !faults.wholeFile.found()) {
        readForests(*forests, ForestContext{records.totals, latest, unknown}, records, faults);
    }
}

void appendKey(std::string& text, const char* key, const std::string& value) {
    text += key;
    text += " = ";
    text += value;
    text += '\n';
}

void appendForest(std::string& text, const ForestRecord& forest) {
    text += "\n[[forest]]\n";
    appendKey(text, "seed", std::to_string(forest.seed));
    if (forest.difficulty != DifficultyLevel::Standard) {
        appendKey(text, "difficulty",
                  "\"" + std::string(difficultyLevelName(forest.difficulty)) + "\"");
    }
    appendKey(text, "rounds", std::to_string(forest.rounds));
    appendKey(text, "wins", std::to_string(forest.wins));
    appendKey(text, "losses", std::to_string(forest.losses));
    if (forest.left > 0) {
        appendKey(text, "left", std::to_string(forest.left));
    }
    if (forest.bestSeconds && forest.bestDate) {
        appendKey(text, "best_seconds", decimal(*forest.bestSeconds));
        appendKey(text, "best_date", forest.bestDate->text());
    }
    appendKey(text, "most_kids_frightened", std::to_string(forest.mostKidsFrightened));
    appendKey(text, "last_round", std::to_string(forest.lastRound));
    text += forest.otherKeys;
}

}  // namespace

RecordsReading readRecordsText(const std::string& text, const std::string& fileName,
                               const CalendarDate& latest) {
    RecordsReading reading;
    if (text.empty()) {
        reading.fault = recordsProblem(fileName, "", "the file is empty");
        reading.wholeFile = true;
        return reading;
    }
    RecordsFaults faults;
    UnknownKeys unknown;
    try {
        const toml::table root = toml::parse(text, fileName);
        readRoot(root, latest, reading.records, faults, unknown);
    } catch (const toml::parse_error& error) {
        faults.wholeFile.add(error.source().begin.line,
                             "not valid TOML (" + std::string(error.description()) + ")");
    }
    const FirstFault& first = faults.wholeFile.found() ? faults.wholeFile : faults.entry;
    if (first.found()) {
        reading.fault =
            recordsProblem(fileName, " line " + std::to_string(first.line()), first.what());
    }
    if (faults.wholeFile.found()) {
        reading.records = Records();
        reading.wholeFile = true;
        return reading;
    }
    reading.setAside = faults.setAside;
    reading.unknown = unknown.line(fileName);
    std::sort(reading.records.forests.begin(), reading.records.forests.end(), listedBefore);
    return reading;
}

std::string recordsText(const Records& records) {
    std::string text =
        "# Duskhollow records. The game rewrites this file at the end of every round.\n";
    text.reserve(64 + records.forests.size() * 200);
    const RecordTotals& totals = records.totals;
    if (!records.otherKeys.empty()) {
        text += records.otherKeys + "\n";
    }
    text += "[totals]\n";
    appendKey(text, "rounds", std::to_string(totals.rounds));
    appendKey(text, "wins", std::to_string(totals.wins));
    appendKey(text, "losses", std::to_string(totals.losses));
    if (totals.left > 0) {
        appendKey(text, "left", std::to_string(totals.left));
    }
    appendKey(text, "kids_frightened", std::to_string(totals.kidsFrightened));
    text += records.otherTotalsKeys;
    for (const ForestRecord& forest : records.forests) {
        appendForest(text, forest);
    }
    return text;
}

}  // namespace dusk
